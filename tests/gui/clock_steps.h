#pragma once

#include <chrono>

#include "startup/local_time.h"

namespace kemurina::testing {

// The local time `minutes` later (or earlier, when negative), across days,
// months and leap years.
inline LocalTime AddMinutes(const LocalTime& t, long long minutes) {
  using namespace std::chrono;
  const sys_days day = year_month_day{year{t.Year}, month{static_cast<unsigned>(t.Month)},
                                      std::chrono::day{static_cast<unsigned>(t.Day)}};
  const sys_time<std::chrono::minutes> moment =
      day + hours{t.Hour} + std::chrono::minutes{t.Minute} + std::chrono::minutes{minutes};
  const sys_days newDay = floor<days>(moment);
  const year_month_day ymd{newDay};
  const hh_mm_ss clock{moment - newDay};
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count())};
}

}  // namespace kemurina::testing
