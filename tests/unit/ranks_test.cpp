#include "engine/ranks.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

namespace kemurina {
namespace {

constexpr std::string_view kSoldier = "ソルジャー", kCosmo = "コスモ", kCompany = "会社モード",
                           kTravel = "日本旅行";

// The last rule that holds wins: the year rules outrank every day rule, and a
// 365th day that is not yet a full year stays on the day ladder.
TEST(StatusRank, GivesTheRankOfTheLastRuleThatHolds) {
  // clang-format off
  const std::tuple<std::string_view, int, int, std::string_view> cases[] = {
      {kSoldier, 0, 0, "２等兵"}, {kSoldier, 1, 0, "１等兵"}, {kSoldier, 5, 0, "軍曹"},
      {kSoldier, 6, 0, "曹長"}, {kSoldier, 7, 0, "曹長"}, {kSoldier, 8, 0, "准尉"},
      {kSoldier, 21, 0, "大佐"}, {kSoldier, 22, 0, "少将"}, {kSoldier, 25, 0, "少将"},
      {kSoldier, 26, 0, "中将"}, {kSoldier, 29, 0, "中将"}, {kSoldier, 30, 0, "大将"},
      {kSoldier, 329, 0, "ラオウ"}, {kSoldier, 330, 0, "トキ"}, {kSoldier, 365, 0, "トキ"},
      {kSoldier, 365, 1, "ケンシロウ"}, {kSoldier, 400, 1, "ケンシロウ"},
      {kSoldier, 5, 1, "ケンシロウ"}, {kSoldier, 1000, 2, "チョッパー"},
      {kSoldier, 2000, 5, "ルフィ"}, {kSoldier, 4000, 10, "ユリア"}, {kSoldier, 0, 99, "ユリア"},
      {kSoldier, 0, 100, "宇宙大神"}, {kSoldier, 0, 333, "ルパン三世"},
      {kSoldier, 0, 334, "宇宙大神"}, {kSoldier, 0, 999, "宇宙大神"}, {kSoldier, 0, 1000, "トトロ"},
      {kCosmo, 0, 0, "素粒子"}, {kCosmo, 20, 0, "村"}, {kCosmo, 21, 0, "村"}, {kCosmo, 22, 0, "市"},
      {kCosmo, 400, 1, "コスモ"}, {kCosmo, 0, 100, "宇宙大神"}, {kCosmo, 0, 333, "ルパン三世"},
      {kCosmo, 0, 1000, "トトロ"},
      {kCompany, 0, 0, "無職"}, {kCompany, 6, 0, "正社員三年目"}, {kCompany, 330, 0, "経団連副会長"},
      {kCompany, 0, 100, "経済大神"}, {kCompany, 0, 333, "ルパン三世"},
      {kCompany, 0, 334, "経済大神"}, {kCompany, 0, 999, "経済大神"}, {kCompany, 0, 1000, "トトロ"},
      {kTravel, 0, 0, "西表島"}, {kTravel, 88, 0, "原爆ドーム"}, {kTravel, 124, 0, "ＵＳＪ"},
      {kTravel, 183, 0, "奥飛騨温泉郷"}, {kTravel, 242, 0, "ＴＤＬ"}, {kTravel, 364, 0, "網走"},
      {kTravel, 365, 0, "網走"}, {kTravel, 365, 1, "知床"}, {kTravel, 366, 0, ""},
      {kTravel, 366, 1, "知床"}, {kTravel, 800, 2, "ハワイ"}, {kTravel, 0, 10, "中国"},
      {kTravel, 0, 11, "日本"}, {kTravel, 0, 99, "日本"}, {kTravel, 0, 100, "天空の城"},
      {kTravel, 0, 333, "天空の城"}, {kTravel, 0, 999, "天空の城"}, {kTravel, 0, 1000, "神の国"},
      // Theme names match exactly or not at all; no rule holds for a negative day.
      {"ソルジャー ", 10, 0, ""}, {" 日本旅行", 10, 0, ""}, {"", 10, 0, ""}, {"soldier", 10, 0, ""},
      {kSoldier, -1, 0, ""}, {kCosmo, -1, 0, ""}, {kCompany, -30, 0, ""}, {kTravel, -1, 0, ""}};
  // clang-format on
  for (const auto& [theme, days, years, rank] : cases) {
    EXPECT_EQ(StatusRank(theme, days, years), rank)
        << theme << " day " << days << " year " << years;
  }
}

TEST(StatusRank, NoDayWithoutARank) {
  for (int day = 0; day <= 400; ++day) {
    for (std::string_view theme : {kSoldier, kCosmo, kCompany, kTravel}) {
      EXPECT_FALSE(StatusRank(theme, day, day / 366).empty()) << theme << " " << day;
    }
  }
}

}  // namespace
}  // namespace kemurina
