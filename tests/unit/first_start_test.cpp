#include "dialogs/logic/first_start.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

namespace kemurina {
namespace {

// A rejection (one message however many boxes are wrong) leaves the record alone.
TEST(SetupCheck, AcceptsOnlyFiguresInRange) {
  // clang-format off
  const struct { const char *perDay, *packPrice; int size, day = 0, price = 0, mm = 0; } cases[] = {
      {"", "", 1}, {"", "300", 1}, {"20", "", 1}, {"0", "300", 1}, {"20", "0", 1},
      {"201", "300", 1}, {"20", "2001", 1}, {"-5", "300", 1}, {"本30", "300", 1}, {"３０", "300", 1},
      {"1", "1", 1, 1, 1, 85}, {"200", "2000", 1, 200, 2000, 85},
      // Read by the leading number: units after it, a fraction and blanks before it are fine.
      {"30本", "420円", 1, 30, 420, 85}, {"  12.9", " 250", 1, 12, 250, 85},
      // Each size stores its length; one outside the buttons reads as the standard.
      {"15", "480", 0, 15, 480, 50}, {"15", "480", 2, 15, 480, 100}, {"15", "480", -1, 15, 480, 85},
      {"15", "480", 3, 15, 480, 85}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.perDay) + " / " + c.packPrice + " / " + std::to_string(c.size));
    const Settings before{2020, 2, 3, 4, 5, 7, 77, 70, 1};  // 7 a day at 77 yen, 70 mm
    Settings s = before;
    const auto message = ApplySetup(c.perDay, c.packPrice, c.size, s);
    const bool accepted = c.mm != 0;
    const Settings stored{2020, 2, 3, 4, 5, c.day, c.price, c.mm, 1};
    EXPECT_EQ(message.value_or("none"),
              accepted ? "none" : "有効範囲内にある半角数字を入れてください");
    EXPECT_EQ(s, accepted ? stored : before);
  }
}

// The start button hands over to the greeting exactly on the days that have
// one; the greetings' texts and places are checked as the window shows them.
TEST(Seasons, GreetingDays) {
  const char* const newYear = "謹賀新年 - hkrsoft";
  // clang-format off
  const struct { int month, day; const char* caption; } cases[] = {
      {12, 23, nullptr}, {12, 24, "クリスマスイブ - hkrsoft"}, {12, 25, "メリークリスマス - hkrsoft"},
      {12, 26, nullptr}, {12, 31, nullptr}, {1, 1, newYear}, {1, 2, newYear}, {1, 3, newYear},
      {1, 4, nullptr}, {11, 24, nullptr}, {2, 1, nullptr}, {0, 0, nullptr}};
  // clang-format on
  for (const auto& c : cases) {
    for (int hour : {0, 23}) {
      const LocalTime t{2024, c.month, c.day, hour, 59};
      EXPECT_EQ(IsSeasonalDate(t), c.caption != nullptr) << c.month << "/" << c.day << " " << hour;
      EXPECT_EQ(SeasonViewFor(t).Caption, c.caption ? c.caption : " メリークリスマス - hakkaro");
    }
  }
  // Other days get the design's empty labels, no picture and its places.
  const SeasonView v = SeasonViewFor({2024, 2, 1, 0, 0});
  EXPECT_EQ(std::tuple(v.Label1, v.Label2, v.Label3[0], v.Label3[1], v.Pictures, v.Label2Top,
                       v.Label3SecondTop),
            std::tuple("", "", "", "", std::array<bool, 3>{}, 960, 1920));
}

}  // namespace
}  // namespace kemurina
