#include "engine/progress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <random>
#include <vector>

#include "engine/number_text.h"
#include "engine/refresh.h"

namespace kemurina {
namespace {

using namespace std::chrono_literals;
using MinutePoint = std::chrono::sys_time<std::chrono::minutes>;

Settings Smoker(const LocalTime& quit, int perDay = 20, int length = 85) {
  Settings s;
  s.SetQuitDate(quit);
  s.CigarettesPerDay = perDay;
  s.CigaretteLength = length;
  return s;
}

LocalTime ToLocal(MinutePoint t) {
  const auto day = std::chrono::floor<std::chrono::days>(t);
  const std::chrono::year_month_day ymd{day};
  const std::chrono::hh_mm_ss hms{t - day};
  return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())),
          int(hms.hours().count()), int(hms.minutes().count())};
}

// The snapshot `minutes` after the quit moment, seen at noon on 1 June 2024.
ProgressSnapshot After(int minutes, Settings s) {
  const MinutePoint now = std::chrono::sys_days{std::chrono::June / 1 / 2024} + 12h;
  s.SetQuitDate(ToLocal(now - std::chrono::minutes{minutes}));
  const ProgressSnapshot snap = ComputeSnapshot(s, ToLocal(now));
  EXPECT_EQ(snap.ElapsedMinutes, minutes);
  return snap;
}

long long MinutesBetween(const LocalTime& a, const LocalTime& b) {
  MonthTable t = kMonthDays;
  return ComputeElapsedMinutes(a, b, t);
}

// The month walk's minutes and the borrowing breakdown; with the clock set
// back the minutes are negative, never garbage, and the snapshot is of day 0.
TEST(Calendar, MinutesAndBreakdown) {
  const std::tuple<LocalTime, LocalTime, long long, std::vector<int>> cases[] = {
      // Leap Februaries: 2024 and 2000, not 2025, 1900 or 2100.
      {{2024, 1, 31, 12, 0}, {2024, 3, 1, 12, 0}, 43200, {0, 1, 1, 0, 0}},
      {{2024, 2, 29, 0, 0}, {2025, 3, 1, 0, 0}, 366 * 1440, {1, 0, 1, 0, 0}},
      {{1900, 2, 1, 0, 0}, {1900, 3, 1, 0, 0}, 28 * 1440, {0, 1, 0, 0, 0}},
      {{2000, 2, 1, 0, 0}, {2000, 3, 1, 0, 0}, 29 * 1440, {0, 1, 0, 0, 0}},
      {{2100, 2, 10, 0, 0}, {2100, 3, 1, 0, 0}, 19 * 1440, {0, 0, 19, 0, 0}},
      {{2024, 5, 10, 12, 0}, {2024, 5, 10, 12, 0}, 0, {0, 0, 0, 0, 0}},
      {{2024, 5, 10, 10, 30}, {2024, 5, 12, 9, 15}, 2 * 1440 - 75, {0, 0, 1, 22, 45}},
      {{2023, 12, 31, 23, 59}, {2024, 1, 1, 0, 0}, 1, {0, 0, 0, 0, 1}},
      // The borrow takes 31, the longer of February 2024 and January.
      {{2024, 1, 31, 10, 0}, {2024, 3, 1, 9, 0}, 43140, {0, 1, 0, 23, 0}},
      // Borrowing across the new year uses entry 0, December; from a December
      // quit moment the borrow takes December's 31.
      {{2023, 12, 15, 12, 0}, {2024, 1, 10, 8, 30}, 37230, {0, 0, 25, 20, 30}},
      {{2023, 12, 30, 12, 0}, {2024, 3, 1, 12, 0}, 62 * 1440, {0, 2, 2, 0, 0}},
      {{2012, 4, 24, 13, 5}, {2024, 6, 1, 12, 0}, 6366175, {12, 1, 7, 22, 55}},
      // 400 Gregorian years are 146097 days, also when whole years are summed at once.
      {{2000, 1, 1, 0, 0}, {2400, 1, 1, 0, 0}, 146097LL * 1440, {400, 0, 0, 0, 0}},
      {{-400, 1, 1, 0, 0}, {1, 1, 1, 0, 0}, (146097LL + 366) * 1440, {401, 0, 0, 0, 0}},
      {{2000, 1, 1, 0, 0},
       {2000002000, 1, 1, 0, 0},
       5000000LL * 146097 * 1440,
       {2000000000, 0, 0, 0, 0}},
      {{2024, 3, 1, 12, 0}, {2024, 1, 31, 12, 0}, -43200, {0, 0, 0, 0, 0}},
      {{2024, 5, 12, 9, 15}, {2024, 5, 10, 10, 30}, -(2 * 1440 - 75), {0, 0, 0, 0, 0}},
      {{2024, 5, 10, 12, 0}, {2024, 5, 10, 11, 59}, -1, {0, 0, 0, 0, 0}},
      {{2024, 5, 10, 12, 0}, {2024, 5, 9, 12, 0}, -1440, {0, 0, 0, 0, 0}},
      {{2024, 5, 10, 12, 0}, {2024, 4, 30, 23, 0}, -13740, {0, 0, 0, 0, 0}},
      {{2024, 5, 10, 12, 0}, {2023, 12, 31, 0, 0}, -189360, {0, 0, 0, 0, 0}},
      {{2024, 5, 10, 12, 0}, {1990, 1, 1, 0, 0}, -18069840, {0, 0, 0, 0, 0}}};
  for (const auto& [from, to, minutes, ymdhm] : cases) {
    const ProgressSnapshot s = ComputeSnapshot(Smoker(from), to);
    EXPECT_EQ(MinutesBetween(from, to), minutes) << from.Year << "-" << from.Month;
    EXPECT_EQ((std::vector{s.ElapsedYears, s.ElapsedMonths, s.ElapsedDays, s.ElapsedHours,
                           s.ElapsedMins}),
              ymdhm)
        << from.Year << "-" << from.Month << "-" << from.Day << " to " << to.Year;
    EXPECT_EQ(s.ElapsedMinutes, std::clamp<long long>(minutes, 0, INT_MAX));
    EXPECT_EQ(s.Now, to);
  }
}

// Any past quit moment (the files take years from 1 on): the total is the true
// distance and the days-hours-minutes form adds up to it.
TEST(Calendar, BreakdownAgreesWithTotalMinutesForRandomMoments) {
  using namespace std::chrono;
  std::mt19937 rng(20240601);
  const MinutePoint first = sys_days{year{1} / January / 1};
  const MinutePoint last = sys_days{year{2100} / December / 31} + hours{23} + minutes{59};
  std::uniform_int_distribution<long long> pick(0, (last - first).count());
  for (int i = 0; i < 3000; ++i) {
    MinutePoint quitAt = first + minutes{pick(rng)}, nowAt = first + minutes{pick(rng)};
    if (nowAt < quitAt) std::swap(quitAt, nowAt);
    const LocalTime quit = ToLocal(quitAt), now = ToLocal(nowAt);
    SCOPED_TRACE(testing::Message()
                 << quit.Year << "-" << quit.Month << "-" << quit.Day << " " << quit.Hour << ":"
                 << quit.Minute << " -> " << now.Year << "-" << now.Month << "-" << now.Day);
    const long long expected = (nowAt - quitAt).count();
    ASSERT_EQ(MinutesBetween(quit, now), expected);
    const ProgressSnapshot s = ComputeSnapshot(Smoker(quit), now);
    ASSERT_EQ(s.ElapsedMinutes, expected);
    ASSERT_EQ(s.ElapsedWholeDays, expected / 1440);
    ASSERT_EQ(s.ElapsedHours, expected % 1440 / 60);
    ASSERT_EQ(s.ElapsedMins, expected % 60);
    ASSERT_TRUE(s.ElapsedYears >= 0 && s.ElapsedMonths >= 0 && s.ElapsedMonths <= 11 &&
                s.ElapsedDays >= 0 && s.ElapsedDays <= 30);
  }
}

// At 300 yen a pack. (13 / 1440) * 2880 * 5.5 lands just below 143; a tax rate
// of -100 % gives no tax, not NaN; metres round a rest above one half up
// (.2361) and a half to the even neighbour (.085, .255).
TEST(Figures, MoneyLifeCigarettesAndBoxes) {
  using Boxes = std::optional<int>;
  using Row = std::tuple<int, int, int, int, int, std::vector<double>, int, int, double,
                         std::string, Boxes, Boxes>;
  const Boxes no;
  // clang-format off
  const Row cases[] = {
      // minutes, per day, mm, ShowBoxes, tax %, {money, tobacco tax, consumption tax}, life, count
      {1440, 20, 85, 1, 5, {300, 244, 14}, 110, 20, 1700, "1.7", 1, no},
      {2880, 13, 85, 1, 5, {390, 318, 18}, 142, 26, 2210, "2.21", no, no},
      {1440, 20, 85, 1, -100, {300, 244, 0}, 110, 20, 1700, "1.7", 1, no},
      {0, 20, 85, 1, -100, {0, 0, 0}, 0, 0, 0, "0", no, no},
      {2880, 20, 85, 1, 5, {600, 489, 28}, 220, 40, 3400, "3.4", 2, no},
      {14400, 20, 85, 1, 5, {3000, 2448, 142}, 1100, 200, 17000, "17", no, 1},
      {1440, 20, 50, 1, 5, {300, 244, 14}, 110, 20, 1000, "1", 2, no},
      {14400, 20, 50, 1, 5, {3000, 2448, 142}, 1100, 200, 10000, "10", no, 1},
      {1440, 20, 100, 1, 5, {300, 244, 14}, 110, 20, 2000, "2", 1, no},
      {1440, 13, 85, 1, 5, {195, 159, 9}, 71, 13, 1105, "1.1", no, no},
      {1440, 20, 85, 0, 5, {300, 244, 14}, 110, 20, 1700, "1.7", no, no},
      {2016, 1, 50, 1, 5, {21, 17, 1}, 7, 1, 70, ".07", no, no},
      {200, 20, 85, 1, 5, {41, 34, 1}, 15, 2, 236.111, ".24", no, no},
      {1440, 1, 85, 1, 5, {15, 12, 0}, 5, 1, 85, ".08", no, no},
      {1439, 1, 85, 1, 5, {14, 12, 0}, 5, 0, 84.941, ".08", no, no},
      {1440, 3, 85, 1, 5, {45, 36, 2}, 16, 3, 255, ".26", no, no}};
  // clang-format on
  for (const auto& [minutes, perDay, length, showBoxes, taxRate, money, life, count, mm, metres,
                    boxes, cartons] : cases) {
    Settings s = Smoker({}, perDay, length);
    s.ShowBoxes = showBoxes;
    s.ConsumptionTaxPercent = taxRate;
    const ProgressSnapshot p = After(minutes, s);
    EXPECT_EQ(std::tuple(std::vector{p.MoneySaved, p.TobaccoTaxSaved, p.ConsumptionTaxSaved},
                         p.LifeMinutes, p.CigarettesNotSmoked, PlainNumber(p.LengthMetres),
                         p.BoxCount, p.CartonCount),
              std::tuple(money, life, count, metres, boxes, cartons))
        << minutes << " min, " << perDay << " of " << length << " mm, tax " << taxRate;
    EXPECT_NEAR(p.LengthMillimetres, mm, 0.001);
  }
}

TEST(Figures, LungColourAndCharacters) {
  // Day, red, green (blue follows green), character stage, bar value, bar shown.
  // clang-format off
  const std::tuple<int, int, int, int, int, bool> cases[] = {
      {0, 5, 0, 0, 0, true},       {10, 105, 0, 0, 30, true},   {11, 115, 0, 1, 0, true},
      {21, 215, 0, 1, 30, true},   {22, 225, 0, 2, 0, true},    {25, 255, 0, 2, 9, true},
      {26, 255, 10, 2, 12, true},  {32, 255, 70, 2, 30, true},  {33, 255, 80, 3, 0, false},
      {39, 255, 140, 3, 0, false}, {44, 255, 140, 4, 0, false}, {55, 255, 140, 5, 0, false},
      {65, 255, 140, 5, 0, false}, {66, 255, 140, 6, 0, false}, {1000, 255, 140, 6, 0, false}};
  // clang-format on
  for (const auto& [day, red, green, stage, progress, visible] : cases) {
    const ProgressSnapshot s = After(day * 1440 + 1439, Smoker({}));
    EXPECT_EQ(std::tuple(s.ElapsedWholeDays, s.LungColour, s.CharacterStage, s.ProgressValue,
                         s.ProgressVisible),
              std::tuple(day, red + 256 * green + 65536 * green, stage, progress, visible));
  }
}

// Whatever the clock says and the files hold (counts and prices have no upper
// limit there), every figure stays finite and in range; run under UBSan too.
TEST(Snapshot, ExtremeValuesStayDefined) {
  const int max = INT_MAX, min = INT_MIN;
  const LocalTime nows[] = {{max, 12, 31, 23, 59},     {min, 1, 1, 0, 0},
                            {9999, 12, 31, 23, 59},    {5000, 6, 15, 12, 0},
                            {2024, 0, 0, -1, -1},      {2024, 13, 99, 99, 99},
                            {max, max, max, max, max}, {min, min, min, min, min}};
  for (const LocalTime& now : nows) {
    for (int odd : {min, -100, 0, 50, max}) {
      SCOPED_TRACE(testing::Message() << now.Year << "/" << now.Month << ", " << odd);
      Settings s = Smoker({1, 1, 1, 0, 0}, odd > 0 ? odd : 200, odd);
      s.PackPrice = odd > 0 ? odd : 2000;
      s.TobaccoTaxPer1000 = s.ConsumptionTaxPercent = odd;
      const ProgressSnapshot p = ComputeSnapshot(s, now);
      EXPECT_EQ(p.ElapsedWholeDays, p.ElapsedMinutes / 1440);
      for (int v :
           {p.ElapsedMinutes, p.ElapsedYears, p.ElapsedMonths, p.ElapsedDays, p.ElapsedHours,
            p.ElapsedMins, p.LifeMinutes, p.CigarettesNotSmoked, p.ProgressValue})
        EXPECT_GE(v, 0);
      for (double v : {p.MoneySaved, p.TobaccoTaxSaved, p.ConsumptionTaxSaved, p.LengthMillimetres,
                       p.LengthMetres})
        EXPECT_TRUE(std::isfinite(v));
      EXPECT_TRUE(p.LungColour >= 5 && p.LungColour <= 255 + 256 * 140 + 65536 * 140);
      EXPECT_FALSE(ComputeRefresh(s, now, 50, 0).SummaryText.empty());
    }
  }
  // A clock thousands of years ahead saturates the minutes instead of wrapping.
  const ProgressSnapshot far = ComputeSnapshot(Smoker({1900, 1, 1, 0, 0}), {9999, 12, 31, 23, 59});
  EXPECT_EQ(std::tuple(far.ElapsedMinutes, far.ElapsedYears), std::tuple(INT_MAX, 8099));
  // A fresh record's month 0 must not read outside the tables.
  EXPECT_GE(ComputeSnapshot(Settings{}, {2024, 6, 1, 12, 0}).ElapsedMinutes, 0);
}

}  // namespace
}  // namespace kemurina
