#include "engine/messages.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string_view>
#include <tuple>
#include <utility>

namespace kemurina {
namespace {

TEST(MessageText, SixtyRowsKeptByteForByte) {
  for (int row = 0; row < kMessageRows; ++row) EXPECT_FALSE(MessageText(row).empty()) << row;
  for (int row : {-1, 60, 200}) EXPECT_TRUE(MessageText(row).empty()) << row;
  // Half-width blanks in rows 12, 43 and 55, a full-width one (E3 80 80) in
  // row 55, full-width tildes (EF BD 9E) in row 43.
  const std::pair<int, std::string_view> rows[] = {
      {0, "さあ今日からいよいよケムリナです！がんばりましょう！"},
      {7, "よし！！一週間だ！！よくやった！！エライゾー！！"},
      {10, "「自分の意志で簡単にやめられない」←コレが煙草害の筆頭"},
      {12, "リラックス、リラックス。 ひとやすみ、ひとやすみ。"},
      {32, "ケムリナから１ヶ月経過しました。おめでとうございます"},
      {43, "\xEF\xBD\x9E ごケムリナおめでとうございます \xEF\xBD\x9E"},
      {44, "ケムリナして３３日目です。アヒルの王様がお祝いに来ました"},
      {46, "飲み会では特に注意してください"},
      {55, "けむりな いっかげつ おめでとぉー\xE3\x80\x80がぁーがぁーがぁー"},
      {59, "ケムリナして６６日目です。アヒルの王様が喜んでいます"}};
  for (const auto& [row, text] : rows) EXPECT_EQ(MessageText(row), text) << row;
}

TEST(ChooseMessageIndex, PicksTheRow) {
  // Days, years, months, luck, row.
  // clang-format off
  const std::array<int, 5> cases[] = {
      // One line a day in the first month.
      {0, 0, 0, 50, 0}, {7, 0, 0, 42, 7}, {4, 0, 0, 99, 4}, {30, 0, 0, 0, 30}, {31, 0, 0, 3, 31},
      // Day 1: <20 -> 49, 20 stays, 21..29 -> 50, 30..70 stay, >70 -> 48. Day 2 alike, day 3 >70.
      {1, 0, 0, 0, 49}, {1, 0, 0, 19, 49}, {1, 0, 0, 20, 1}, {1, 0, 0, 21, 50}, {1, 0, 0, 29, 50},
      {1, 0, 0, 30, 1}, {1, 0, 0, 70, 1}, {1, 0, 0, 71, 48}, {1, 0, 0, 99, 48},
      {2, 0, 0, 0, 52}, {2, 0, 0, 19, 52}, {2, 0, 0, 20, 2}, {2, 0, 0, 21, 53}, {2, 0, 0, 29, 53},
      {2, 0, 0, 30, 2}, {2, 0, 0, 70, 2}, {2, 0, 0, 71, 51}, {2, 0, 0, 99, 51},
      {3, 0, 0, 0, 3}, {3, 0, 0, 70, 3}, {3, 0, 0, 71, 54}, {3, 0, 0, 99, 54},
      // Months 1..11, with the rare warnings for luck 1 to 4.
      {40, 0, 1, 0, 32}, {40, 0, 1, 1, 45}, {40, 0, 1, 2, 45}, {40, 0, 1, 3, 46},
      {40, 0, 1, 4, 47}, {40, 0, 1, 5, 32}, {40, 0, 1, 50, 32}, {40, 0, 1, 99, 32},
      {67, 0, 2, 50, 33}, {67, 0, 2, 1, 45}, {320, 0, 10, 0, 41}, {340, 0, 11, 5, 42},
      {340, 0, 11, 4, 47}, {400, 1, 1, 42, 43}, {400, 1, 5, 2, 43},
      // Inputs the calendar never produces stay inside the table.
      {-1, 0, 0, 50, 0}, {-1, 0, 0, 99, 0}, {-100000, 0, 0, 0, 0}, {80, 0, 0, 50, 0},
      {80, 0, 12, 50, 0}, {80, -1, -1, 50, 0}, {60, 0, 0, 50, 0}, {5, -1, 0, 50, 0}};
  // clang-format on
  for (const auto& [days, years, months, luck, row] : cases) {
    EXPECT_EQ(ChooseMessageIndex(days, years, months, luck), row)
        << "days " << days << " years " << years << " months " << months << " luck " << luck;
  }
  // Day 0, the year row and the duck milestones never vary with the luck.
  for (int luck = 0; luck < 100; ++luck) {
    EXPECT_EQ(ChooseMessageIndex(0, 0, 0, luck), 0) << luck;
    for (int months = 0; months <= 11; ++months) {
      EXPECT_EQ(ChooseMessageIndex(400 + months * 30, 1, months, luck), 43);
      EXPECT_EQ(ChooseMessageIndex(4000, 10, months, luck), 43);
    }
    for (auto [days, months, row] :
         {std::array{33, 1, 44}, {34, 1, 55}, {35, 1, 56}, {44, 1, 57}, {55, 1, 58}, {66, 2, 59}}) {
      EXPECT_EQ(ChooseMessageIndex(days, 0, months, luck), row) << days << " " << luck;
    }
  }
}

// Consecutive clock values as seeds, as at successive refreshes: every luck
// 0..99 comes up and the documented odds of day 1 and month 1 come out
// (loose enough for any sound generator).
TEST(DrawLuck, RangeAndOddsOverConsecutiveSeeds) {
  constexpr int kDraws = 100000;
  std::array<int, 100> seen{};
  std::array<int, kMessageRows> dayOne{}, monthOne{};
  for (std::uint64_t seed = 1'700'000'000; seed < 1'700'000'000 + kDraws; ++seed) {
    const int luck = DrawLuck(seed);
    ASSERT_TRUE(luck >= 0 && luck <= 99) << luck;
    ++seen[std::size_t(luck)];
    ++dayOne[std::size_t(ChooseMessageIndex(1, 0, 0, luck))];
    ++monthOne[std::size_t(ChooseMessageIndex(40, 0, 1, luck))];
  }
  for (int count : seen) EXPECT_GT(count, 0);
  const std::tuple<const std::array<int, kMessageRows>&, int, double, double> odds[] = {
      {dayOne, 48, 29, 2},   {dayOne, 49, 20, 2},   {dayOne, 50, 9, 2},    {dayOne, 1, 42, 2},
      {monthOne, 45, 2, .5}, {monthOne, 46, 1, .5}, {monthOne, 47, 1, .5}, {monthOne, 32, 96, 1}};
  for (const auto& [counts, row, percent, within] : odds) {
    EXPECT_NEAR(100.0 * counts[std::size_t(row)] / kDraws, percent, within) << row;
  }
  // Luck is the first two decimals of the draw (this library's uniform draw from mt19937_64).
  EXPECT_EQ((std::array{DrawLuck(13), DrawLuck(18), DrawLuck(69), DrawLuck(104)}),
            (std::array{61, 37, 56, 96}));
}

}  // namespace
}  // namespace kemurina
