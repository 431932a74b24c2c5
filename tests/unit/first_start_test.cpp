#include "dialogs/logic/first_start.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

namespace kemurina {
namespace {

struct SetupCase {
  const char* PerDay;
  const char* PackPrice;
  bool Accepted;
  int StoredPerDay;
  int StoredPrice;
};

class SetupCheck : public ::testing::TestWithParam<SetupCase> {};

TEST_P(SetupCheck, AcceptsOnlyFiguresInRange) {
  const SetupCase& c = GetParam();
  Settings s;
  s.CigarettesPerDay = 7;
  s.PackPrice = 77;
  s.CigaretteLength = 100;
  const auto message = ApplySetup(c.PerDay, c.PackPrice, kStandardSizeIndex, s);
  if (c.Accepted) {
    EXPECT_FALSE(message.has_value());
    EXPECT_EQ(s.CigarettesPerDay, c.StoredPerDay);
    EXPECT_EQ(s.PackPrice, c.StoredPrice);
    EXPECT_EQ(s.CigaretteLength, 85);
  } else {
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, "有効範囲内にある半角数字を入れてください");
    // A rejected entry leaves what was there before.
    EXPECT_EQ(s.CigarettesPerDay, 7);
    EXPECT_EQ(s.PackPrice, 77);
    EXPECT_EQ(s.CigaretteLength, 100);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, SetupCheck,
    ::testing::Values(SetupCase{"", "", false, 0, 0},  // two errors, still one message
                      SetupCase{"", "300", false, 0, 0}, SetupCase{"20", "", false, 0, 0},
                      SetupCase{"0", "300", false, 0, 0}, SetupCase{"20", "0", false, 0, 0},
                      SetupCase{"1", "1", true, 1, 1}, SetupCase{"200", "2000", true, 200, 2000},
                      SetupCase{"201", "300", false, 0, 0}, SetupCase{"20", "2001", false, 0, 0},
                      SetupCase{"-5", "300", false, 0, 0},
                      // Read by the leading number: units typed after it are fine,
                      // a fraction is cut, blanks before it skipped.
                      SetupCase{"30本", "420円", true, 30, 420},
                      SetupCase{"  12.9", " 250", true, 12, 250},
                      SetupCase{"本30", "300", false, 0, 0},
                      // Full-width digits are not half-width numbers.
                      SetupCase{"３０", "300", false, 0, 0}));

// Each size stores its length, and nothing but the three figures changes.
TEST(SetupCheck, StoresTheChosenSizeAndTouchesNothingElse) {
  Settings before;
  before.SetQuitDate({2020, 2, 3, 4, 5});
  before.MainLeft = 1234;
  for (const auto& [index, length] : {std::pair{0, 50}, {1, 85}, {2, 100}}) {
    Settings after = before;
    ASSERT_FALSE(ApplySetup("15", "480", index, after).has_value());
    EXPECT_EQ(after.CigaretteLength, length) << "size " << index;
    after.CigarettesPerDay = before.CigarettesPerDay;
    after.PackPrice = before.PackPrice;
    after.CigaretteLength = before.CigaretteLength;
    EXPECT_EQ(after, before);
  }
}

struct SeasonCase {
  int Month;
  int Day;
  const char* Caption;
  const char* Label1;
  const char* Label2;
  const char* Label3First;
  const char* Label3Second;
  std::array<bool, 3> Pictures;
  int Label2Top;
  int Label3SecondTop;
};

class Seasons : public ::testing::TestWithParam<SeasonCase> {};

TEST_P(Seasons, ChooseTextsPicturesAndPlaces) {
  const SeasonCase& c = GetParam();
  for (int hour : {0, 23}) {
    const LocalTime t{2024, c.Month, c.Day, hour, 59};
    const SeasonView v = SeasonViewFor(t);
    EXPECT_EQ(v.Caption, c.Caption);
    EXPECT_EQ(v.Label1, c.Label1);
    EXPECT_EQ(v.Label2, c.Label2);
    EXPECT_EQ(v.Label3[0], c.Label3First);
    EXPECT_EQ(v.Label3[1], c.Label3Second);
    EXPECT_EQ(v.Pictures, c.Pictures);
    EXPECT_EQ(v.Label2Top, c.Label2Top);
    EXPECT_EQ(v.Label3SecondTop, c.Label3SecondTop);
    // The start button hands over to the greeting exactly when there is one.
    EXPECT_EQ(IsSeasonalDate(t), std::string(c.Caption) != " メリークリスマス - hakkaro");
  }
}

constexpr const char* kHoly = "聖なる日のケムリナが";
constexpr const char* kLuck = "成功しますように！";

// clang-format off
constexpr SeasonCase NewYear(int day) {
  return {1, day, "謹賀新年 - hkrsoft", "お正月限定スペシャルメッセージ", "あけましておめでとうございます",
          "", "貴方のケムリナが成功しますように！", {}, 1200, 1800};
}
constexpr SeasonCase Plain(int month, int day) {
  return {month, day, " メリークリスマス - hakkaro", "", "", "", "", {}, 960, 1920};
}

INSTANTIATE_TEST_SUITE_P(Dates, Seasons, ::testing::Values(
    Plain(12, 23),
    SeasonCase{12, 24, "クリスマスイブ - hkrsoft", "クリスマスイブ限定スペシャルメッセージ", "",
               kHoly, kLuck, {false, true, false}, 960, 1920},
    SeasonCase{12, 25, "メリークリスマス - hkrsoft", "クリスマス限定スペシャルメッセージ",
               "メリークリスマス", kHoly, kLuck, {true, false, true}, 960, 1920},
    Plain(12, 26), Plain(12, 31), NewYear(1), NewYear(2), NewYear(3), Plain(1, 4), Plain(11, 24),
    Plain(2, 1), Plain(0, 0)));
// clang-format on

}  // namespace
}  // namespace kemurina
