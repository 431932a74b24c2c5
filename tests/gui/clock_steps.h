#pragma once

#include <chrono>

#include "startup/local_time.h"

namespace kemurina::testing {

// The local time `minutes` later (earlier when negative), across days, months and leap years.
inline LocalTime AddMinutes(const LocalTime& t, long long minutes) {
  using namespace std::chrono;
  const sys_time<std::chrono::minutes> moment = sys_days{year{t.Year} / t.Month / t.Day} +
                                                hours{t.Hour} +
                                                std::chrono::minutes{t.Minute + minutes};
  const sys_days date = floor<days>(moment);
  const year_month_day ymd{date};
  const hh_mm_ss clock{moment - date};
  return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())),
          int(clock.hours().count()), int(clock.minutes().count())};
}

}  // namespace kemurina::testing
