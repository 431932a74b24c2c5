#include "engine/progress.h"
#include "engine/refresh.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cmath>
#include <random>

#include "engine/number_text.h"

namespace kemurina {
namespace {

Settings Smoker(const LocalTime& quit, int perDay = 20, int length = 85) {
  Settings s;
  s.SetQuitDate(quit);
  s.CigarettesPerDay = perDay;
  s.CigaretteLength = length;
  return s;
}

using MinutePoint = std::chrono::sys_time<std::chrono::minutes>;

LocalTime ToLocal(MinutePoint t) {
  using namespace std::chrono;
  const sys_days day = floor<days>(t);
  const year_month_day ymd{day};
  const hh_mm_ss hms{t - day};
  return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())),
          int(hms.hours().count()), int(hms.minutes().count())};
}

// A quit moment exactly `minutes` before noon on 1 June 2024, so that a
// figure can be set up by its elapsed time alone.
ProgressSnapshot After(int minutes, Settings s) {
  using namespace std::chrono;
  const MinutePoint now = sys_days{year{2024} / June / 1} + hours{12};
  s.SetQuitDate(ToLocal(now - std::chrono::minutes{minutes}));
  ProgressSnapshot snap = ComputeSnapshot(s, ToLocal(now));
  EXPECT_EQ(snap.ElapsedMinutes, minutes);
  return snap;
}

long long MinutesBetween(const LocalTime& a, const LocalTime& b) {
  MonthTable t = BaseMonthDays();
  return ComputeElapsedMinutes(a, b, t);
}

TEST(Calendar, LeapFebruary) {
  struct Case {
    int year;
    int days;
  };
  for (const Case c : {Case{1900, 28}, Case{2000, 29}, Case{2004, 29}, Case{2100, 28},
                       Case{2400, 29}, Case{2024, 29}}) {
    SCOPED_TRACE(c.year);
    int days = 0;
    LeapFebruary(days, c.year);
    EXPECT_EQ(days, c.days);
  }
}

TEST(Calendar, ElapsedMinutesByTheMonthWalk) {
  struct Case {
    LocalTime from, to;
    long long minutes;
  };
  const Case cases[] = {
      {{2024, 1, 31, 12, 0}, {2024, 3, 1, 12, 0}, 43200},
      {{2024, 5, 10, 12, 0}, {2024, 5, 10, 12, 0}, 0},
      {{2024, 5, 10, 10, 30}, {2024, 5, 12, 9, 15}, 2 * 1440 - 75},
      {{2023, 12, 31, 23, 59}, {2024, 1, 1, 0, 0}, 1},
      // February 2024 has 29 days, February 2025 28.
      {{2024, 2, 29, 0, 0}, {2025, 3, 1, 0, 0}, 366 * 1440},
      {{1900, 2, 1, 0, 0}, {1900, 3, 1, 0, 0}, 28 * 1440},
      {{2000, 2, 1, 0, 0}, {2000, 3, 1, 0, 0}, 29 * 1440},
      {{2100, 2, 10, 0, 0}, {2100, 3, 1, 0, 0}, 19 * 1440},
      // 400 Gregorian years are 146097 days, also across whole years summed at once.
      {{2000, 1, 1, 0, 0}, {2400, 1, 1, 0, 0}, 146097LL * 1440},
      {{2000, 1, 1, 0, 0}, {2000002000, 1, 1, 0, 0}, 5000000LL * 146097 * 1440},
      // The other way round the minutes are negative, never a month's worth of garbage.
      {{2024, 3, 1, 12, 0}, {2024, 1, 31, 12, 0}, -43200},
      {{2024, 5, 12, 9, 15}, {2024, 5, 10, 10, 30}, -(2 * 1440 - 75)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.from.Year << "-" << c.from.Month << " -> " << c.to.Year << "-" << c.to.Month);
    EXPECT_EQ(MinutesBetween(c.from, c.to), c.minutes);
  }
}

TEST(Calendar, Breakdown) {
  struct Case {
    LocalTime quit, now;
    int y, mo, d, h, mi;
  };
  const Case cases[] = {
      // The borrow takes 31, the longer of February 2024 and January.
      {{2024, 1, 31, 10, 0}, {2024, 3, 1, 9, 0}, 0, 1, 0, 23, 0},
      {{2024, 5, 10, 12, 0}, {2024, 5, 10, 12, 0}, 0, 0, 0, 0, 0},
      {{2024, 2, 29, 0, 0}, {2025, 3, 1, 0, 0}, 1, 0, 1, 0, 0},
      // Borrowing across the new year uses entry 0, December.
      {{2023, 12, 15, 12, 0}, {2024, 1, 10, 8, 30}, 0, 0, 25, 20, 30},
      {{2012, 4, 24, 13, 5}, {2024, 6, 1, 12, 0}, 12, 1, 7, 22, 55},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.quit.Year << "-" << c.quit.Month << "-" << c.quit.Day);
    const ProgressSnapshot snap = ComputeSnapshot(Smoker(c.quit), c.now);
    EXPECT_EQ(snap.ElapsedYears, c.y);
    EXPECT_EQ(snap.ElapsedMonths, c.mo);
    EXPECT_EQ(snap.ElapsedDays, c.d);
    EXPECT_EQ(snap.ElapsedHours, c.h);
    EXPECT_EQ(snap.ElapsedMins, c.mi);
  }
}

// For any quit moment in the past (the files take years from 1 on), the
// days-hours-minutes form must add up to the total minutes, and the total
// must be the true calendar distance.
TEST(Calendar, BreakdownAgreesWithTotalMinutesForRandomMoments) {
  using namespace std::chrono;
  std::mt19937 rng(20240601);
  const MinutePoint first = sys_days{year{1} / January / 1};
  const MinutePoint last = sys_days{year{2100} / December / 31} + hours{23} + minutes{59};
  std::uniform_int_distribution<long long> pick(0, (last - first).count());
  for (int i = 0; i < 3000; ++i) {
    MinutePoint quitAt = first + minutes{pick(rng)};
    MinutePoint nowAt = first + minutes{pick(rng)};
    if (nowAt < quitAt) {
      std::swap(quitAt, nowAt);
    }
    const LocalTime quit = ToLocal(quitAt);
    const LocalTime now = ToLocal(nowAt);
    SCOPED_TRACE(testing::Message()
                 << quit.Year << "-" << quit.Month << "-" << quit.Day << " " << quit.Hour << ":"
                 << quit.Minute << " -> " << now.Year << "-" << now.Month << "-" << now.Day << " "
                 << now.Hour << ":" << now.Minute);
    const long long expected = (nowAt - quitAt).count();
    ASSERT_EQ(MinutesBetween(quit, now), expected);

    const ProgressSnapshot snap = ComputeSnapshot(Smoker(quit), now);
    ASSERT_EQ(snap.ElapsedMinutes, expected);
    ASSERT_EQ(snap.ElapsedWholeDays, snap.ElapsedMinutes / 1440);
    ASSERT_EQ(snap.ElapsedHours, snap.ElapsedMinutes % 1440 / 60);
    ASSERT_EQ(snap.ElapsedMins, snap.ElapsedMinutes % 60);
    ASSERT_GE(snap.ElapsedYears, 0);
    ASSERT_GE(snap.ElapsedMonths, 0);
    ASSERT_LE(snap.ElapsedMonths, 11);
    ASSERT_GE(snap.ElapsedDays, 0);
    ASSERT_LE(snap.ElapsedDays, 30);
  }
}

TEST(Figures, MoneyTaxAndLife) {
  Settings s = Smoker({}, 20);
  s.PackPrice = 300;
  s.TobaccoTaxPer1000 = 12244;
  s.ConsumptionTaxPercent = 5;
  const ProgressSnapshot snap = After(1440, s);
  EXPECT_EQ(snap.MoneySaved, 300);
  EXPECT_EQ(snap.TobaccoTaxSaved, 244);
  EXPECT_EQ(snap.ConsumptionTaxSaved, 14);
  EXPECT_EQ(snap.LifeMinutes, 110);
}

TEST(Figures, LifeFollowsTheDoubleEvaluationOrder) {
  // (13 / 1440) * 2880 * 5.5 lands just below 143.
  EXPECT_EQ(After(2880, Smoker({}, 13)).LifeMinutes, 142);
}

TEST(Figures, ConsumptionTaxOfMinusHundredPercentIsZeroNotNaN) {
  Settings s = Smoker({});
  s.ConsumptionTaxPercent = -100;
  EXPECT_EQ(After(1440, s).ConsumptionTaxSaved, 0);
  EXPECT_EQ(After(0, s).ConsumptionTaxSaved, 0);
}

TEST(Figures, CigarettesAndLength) {
  ProgressSnapshot snap = After(1440, Smoker({}, 20, 85));
  EXPECT_EQ(snap.CigarettesNotSmoked, 20);
  EXPECT_DOUBLE_EQ(snap.LengthMillimetres, 1700);
  EXPECT_EQ(PlainNumber(snap.LengthMetres), "1.7");

  // 1.4 days of one 50 mm cigarette: 70 mm.
  snap = After(2016, Smoker({}, 1, 50));
  EXPECT_EQ(snap.CigarettesNotSmoked, 1);
  EXPECT_EQ(FormatStr(snap.LengthMetres), " .07");

  // Halves go to the even neighbour: .085 -> .08, .255 -> .26.
  EXPECT_EQ(PlainNumber(After(1440, Smoker({}, 1, 85)).LengthMetres), ".08");
  EXPECT_EQ(PlainNumber(After(1440, Smoker({}, 3, 85)).LengthMetres), ".26");
}

TEST(Figures, BoxesAndCartonsOnlyAtExactMultiples) {
  struct Case {
    int minutes, perDay, length, showBoxes;
    int count, perBox, perCarton;
    std::optional<int> boxes, cartons;
  };
  const Case cases[] = {
      {1440, 20, 85, 1, 20, 20, 10, 1, std::nullopt},
      {2880, 20, 85, 1, 40, 20, 10, 2, std::nullopt},
      {14400, 20, 85, 1, 200, 20, 10, std::nullopt, 1},
      {1440, 20, 50, 1, 20, 10, 20, 2, std::nullopt},
      {14400, 20, 50, 1, 200, 10, 20, std::nullopt, 1},
      {1440, 20, 100, 1, 20, 20, 10, 1, std::nullopt},
      {1440, 13, 85, 1, 13, 20, 10, std::nullopt, std::nullopt},
      {1440, 20, 85, 0, 20, 20, 10, std::nullopt, std::nullopt},
      {0, 20, 85, 1, 0, 20, 10, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.minutes << " min, " << c.length << " mm");
    Settings s = Smoker({}, c.perDay, c.length);
    s.ShowBoxes = c.showBoxes;
    const ProgressSnapshot snap = After(c.minutes, s);
    EXPECT_EQ(snap.CigarettesNotSmoked, c.count);
    EXPECT_EQ(snap.PerBox, c.perBox);
    EXPECT_EQ(snap.BoxesPerCarton, c.perCarton);
    EXPECT_EQ(snap.BoxCount, c.boxes);
    EXPECT_EQ(snap.CartonCount, c.cartons);
  }
}

TEST(Figures, LungColourAndCharacters) {
  struct Case {
    int day;
    int red, green;  // blue follows green
    int stage, progress;
    bool visible;
  };
  const Case cases[] = {
      {0, 5, 0, 0, 0, true},       {10, 105, 0, 0, 30, true},   {11, 115, 0, 1, 0, true},
      {21, 215, 0, 1, 30, true},   {22, 225, 0, 2, 0, true},    {25, 255, 0, 2, 9, true},
      {26, 255, 10, 2, 12, true},  {32, 255, 70, 2, 30, true},  {33, 255, 80, 3, 0, false},
      {39, 255, 140, 3, 0, false}, {44, 255, 140, 4, 0, false}, {55, 255, 140, 5, 0, false},
      {65, 255, 140, 5, 0, false}, {66, 255, 140, 6, 0, false}, {1000, 255, 140, 6, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.day);
    const ProgressSnapshot snap = After(c.day * 1440 + 1439, Smoker({}));
    EXPECT_EQ(snap.ElapsedWholeDays, c.day);
    EXPECT_EQ(snap.LungColour, c.red + 256 * c.green + 65536 * c.green);
    EXPECT_EQ(snap.CharacterStage, c.stage);
    EXPECT_EQ(snap.ProgressValue, c.progress);
    EXPECT_EQ(snap.ProgressVisible, c.visible);
  }
}

void ExpectDayZero(const ProgressSnapshot& snap) {
  EXPECT_EQ(snap.ElapsedMinutes, 0);
  EXPECT_EQ(snap.ElapsedYears, 0);
  EXPECT_EQ(snap.ElapsedMonths, 0);
  EXPECT_EQ(snap.ElapsedDays, 0);
  EXPECT_EQ(snap.ElapsedHours, 0);
  EXPECT_EQ(snap.ElapsedMins, 0);
  EXPECT_EQ(snap.ElapsedWholeDays, 0);
  EXPECT_EQ(snap.MoneySaved, 0);
  EXPECT_EQ(snap.TobaccoTaxSaved, 0);
  EXPECT_EQ(snap.ConsumptionTaxSaved, 0);
  EXPECT_EQ(snap.LifeMinutes, 0);
  EXPECT_EQ(snap.CigarettesNotSmoked, 0);
  EXPECT_EQ(snap.LengthMillimetres, 0);
  EXPECT_EQ(snap.LengthMetres, 0);
  EXPECT_FALSE(snap.BoxCount);
  EXPECT_FALSE(snap.CartonCount);
  EXPECT_EQ(snap.LungColour, 5);
  EXPECT_EQ(snap.ProgressValue, 0);
  EXPECT_TRUE(snap.ProgressVisible);
  EXPECT_EQ(snap.CharacterStage, 0);
}

TEST(Snapshot, ClockSetBackCountsAsNoTimeElapsed) {
  const LocalTime quit{2024, 5, 10, 12, 0};
  for (const LocalTime now : {quit, LocalTime{2024, 5, 10, 11, 59}, LocalTime{2024, 5, 9, 12, 0},
                              LocalTime{2024, 4, 30, 23, 0}, LocalTime{2023, 12, 31, 0, 0},
                              LocalTime{1990, 1, 1, 0, 0}}) {
    SCOPED_TRACE(testing::Message() << now.Year << "-" << now.Month << "-" << now.Day);
    const ProgressSnapshot snap = ComputeSnapshot(Smoker(quit), now);
    ExpectDayZero(snap);
    EXPECT_EQ(snap.Now, now);  // the real clock, not the quit moment
  }
}

// Whatever the clock says, and whatever the files can hold, every figure stays
// finite and every count inside its range (run under UBSan to see overflow).
TEST(Snapshot, ExtremeValuesStayDefined) {
  const LocalTime nows[] = {
      {INT_MAX, 12, 31, 23, 59},
      {INT_MIN, 1, 1, 0, 0},
      {9999, 12, 31, 23, 59},
      {5000, 6, 15, 12, 0},
      {2024, 0, 0, -1, -1},
      {2024, 13, 99, 99, 99},
      {INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX},
      {INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN},
  };
  const int oddInts[] = {INT_MIN, -100, 0, 50, INT_MAX};
  for (const LocalTime& now : nows) {
    for (int odd : oddInts) {
      SCOPED_TRACE(testing::Message() << now.Year << "/" << now.Month << ", " << odd);
      // Counts and prices are read from the file with no upper limit.
      Settings s = Smoker({1, 1, 1, 0, 0}, odd > 0 ? odd : 200, odd);
      s.PackPrice = odd > 0 ? odd : 2000;
      s.TobaccoTaxPer1000 = odd;
      s.ConsumptionTaxPercent = odd;
      const ProgressSnapshot snap = ComputeSnapshot(s, now);
      EXPECT_GE(snap.ElapsedMinutes, 0);
      EXPECT_EQ(snap.ElapsedWholeDays, snap.ElapsedMinutes / 1440);
      for (int v :
           {snap.ElapsedYears, snap.ElapsedMonths, snap.ElapsedDays, snap.ElapsedHours,
            snap.ElapsedMins, snap.LifeMinutes, snap.CigarettesNotSmoked, snap.ProgressValue}) {
        EXPECT_GE(v, 0);
      }
      for (double v : {snap.MoneySaved, snap.TobaccoTaxSaved, snap.ConsumptionTaxSaved,
                       snap.LengthMillimetres, snap.LengthMetres}) {
        EXPECT_TRUE(std::isfinite(v));
      }
      EXPECT_GE(snap.LungColour, 5);
      EXPECT_LE(snap.LungColour, 255 + 256 * 140 + 65536 * 140);
      EXPECT_FALSE(ComputeRefresh(s, now, 50, 0).SummaryText.empty());
    }
  }
  // A clock thousands of years ahead saturates the minutes instead of wrapping.
  const ProgressSnapshot far = ComputeSnapshot(Smoker({1900, 1, 1, 0, 0}), {9999, 12, 31, 23, 59});
  EXPECT_EQ(far.ElapsedMinutes, INT_MAX);
  EXPECT_EQ(far.ElapsedYears, 8099);

  // The settings a fresh record holds (month 0) must not read outside the tables.
  const ProgressSnapshot blank = ComputeSnapshot(Settings{}, {2024, 6, 1, 12, 0});
  EXPECT_GE(blank.ElapsedMinutes, 0);
}

}  // namespace
}  // namespace kemurina
