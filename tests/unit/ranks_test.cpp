#include "engine/ranks.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/rank_tables.h"

namespace kemurina {
namespace {

constexpr std::string_view kSoldier = "ソルジャー";
constexpr std::string_view kCosmo = "コスモ";
constexpr std::string_view kCompany = "会社モード";
constexpr std::string_view kTravel = "日本旅行";

TEST(RankTables, HoldOnePlacePerDayOfTheFirstYear) {
  EXPECT_EQ(kTravelPlaces.size(), 366u);
  EXPECT_EQ(kTravelPlaces[0], "西表島");
  EXPECT_EQ(kTravelPlaces[124], "ＵＳＪ");
  EXPECT_EQ(kTravelPlaces[183], "奥飛騨温泉郷");
  EXPECT_EQ(kTravelPlaces[242], "ＴＤＬ");
  EXPECT_EQ(kTravelPlaces[364], "網走");
  EXPECT_EQ(kTravelPlaces[365], "知床");
  for (std::string_view place : kTravelPlaces) EXPECT_FALSE(place.empty());
}

struct RankCase {
  std::string_view theme;
  int days;
  int years;
  std::string_view expected;
};

class StatusRankTest : public testing::TestWithParam<RankCase> {};

TEST_P(StatusRankTest, GivesTheRankOfTheLastRuleThatHolds) {
  const RankCase& c = GetParam();
  EXPECT_EQ(StatusRank(c.theme, c.days, c.years), c.expected)
      << c.theme << " days " << c.days << " years " << c.years;
}

INSTANTIATE_TEST_SUITE_P(
    Ladders, StatusRankTest,
    testing::Values(
        RankCase{kSoldier, 0, 0, "２等兵"}, RankCase{kSoldier, 1, 0, "１等兵"},
        RankCase{kSoldier, 5, 0, "軍曹"}, RankCase{kSoldier, 6, 0, "曹長"},
        RankCase{kSoldier, 7, 0, "曹長"}, RankCase{kSoldier, 8, 0, "准尉"},
        RankCase{kSoldier, 21, 0, "大佐"}, RankCase{kSoldier, 22, 0, "少将"},
        RankCase{kSoldier, 25, 0, "少将"}, RankCase{kSoldier, 26, 0, "中将"},
        RankCase{kSoldier, 29, 0, "中将"}, RankCase{kSoldier, 30, 0, "大将"},
        RankCase{kSoldier, 329, 0, "ラオウ"}, RankCase{kSoldier, 330, 0, "トキ"},
        // A leap year not yet complete: still the day ladder.
        RankCase{kSoldier, 365, 0, "トキ"}, RankCase{kSoldier, 365, 1, "ケンシロウ"},
        RankCase{kSoldier, 400, 1, "ケンシロウ"}, RankCase{kSoldier, 5, 1, "ケンシロウ"},
        RankCase{kSoldier, 1000, 2, "チョッパー"}, RankCase{kSoldier, 2000, 5, "ルフィ"},
        RankCase{kSoldier, 4000, 10, "ユリア"}, RankCase{kSoldier, 0, 99, "ユリア"},
        RankCase{kSoldier, 0, 100, "宇宙大神"}, RankCase{kSoldier, 0, 333, "ルパン三世"},
        RankCase{kSoldier, 0, 334, "宇宙大神"}, RankCase{kSoldier, 0, 999, "宇宙大神"},
        RankCase{kSoldier, 0, 1000, "トトロ"}, RankCase{kCosmo, 0, 0, "素粒子"},
        RankCase{kCosmo, 20, 0, "村"}, RankCase{kCosmo, 21, 0, "村"}, RankCase{kCosmo, 22, 0, "市"},
        RankCase{kCosmo, 400, 1, "コスモ"}, RankCase{kCosmo, 0, 100, "宇宙大神"},
        RankCase{kCosmo, 0, 333, "ルパン三世"}, RankCase{kCosmo, 0, 1000, "トトロ"},
        RankCase{kCompany, 0, 0, "無職"}, RankCase{kCompany, 6, 0, "正社員三年目"},
        RankCase{kCompany, 330, 0, "経団連副会長"}, RankCase{kCompany, 0, 100, "経済大神"},
        RankCase{kCompany, 0, 333, "ルパン三世"}, RankCase{kCompany, 0, 334, "経済大神"},
        RankCase{kCompany, 0, 999, "経済大神"}, RankCase{kCompany, 0, 1000, "トトロ"}));

INSTANTIATE_TEST_SUITE_P(
    JapanTravel, StatusRankTest,
    testing::Values(RankCase{kTravel, 0, 0, "西表島"}, RankCase{kTravel, 88, 0, "原爆ドーム"},
                    RankCase{kTravel, 364, 0, "網走"},
                    // Day 365 of a leap year stays one place short of the goal.
                    RankCase{kTravel, 365, 0, "網走"}, RankCase{kTravel, 365, 1, "知床"},
                    RankCase{kTravel, 366, 0, ""}, RankCase{kTravel, 366, 1, "知床"},
                    RankCase{kTravel, 800, 2, "ハワイ"}, RankCase{kTravel, 0, 10, "中国"},
                    RankCase{kTravel, 0, 11, "日本"}, RankCase{kTravel, 0, 99, "日本"},
                    RankCase{kTravel, 0, 100, "天空の城"}, RankCase{kTravel, 0, 333, "天空の城"},
                    RankCase{kTravel, 0, 999, "天空の城"}, RankCase{kTravel, 0, 1000, "神の国"}));

INSTANTIATE_TEST_SUITE_P(NoRank, StatusRankTest,
                         testing::Values(RankCase{"ソルジャー ", 10, 0, ""},
                                         RankCase{" 日本旅行", 10, 0, ""}, RankCase{"", 10, 0, ""},
                                         RankCase{"soldier", 10, 0, ""},
                                         RankCase{kSoldier, -1, 0, ""}, RankCase{kCosmo, -1, 0, ""},
                                         RankCase{kCompany, -30, 0, ""},
                                         RankCase{kTravel, -1, 0, ""}));

TEST(StatusRank, JapanTravelMovesOnEveryDayOfTheFirstYear) {
  for (int day = 0; day < 365; ++day) {
    EXPECT_EQ(StatusRank(kTravel, day, 0), kTravelPlaces[static_cast<std::size_t>(day)]) << day;
  }
}

TEST(StatusRank, LadderThemesNeverGoBlankForAPastQuitMoment) {
  for (std::string_view theme : {kSoldier, kCosmo, kCompany}) {
    for (int day = 0; day <= 400; ++day) {
      EXPECT_FALSE(StatusRank(theme, day, day / 366).empty()) << theme << " " << day;
    }
  }
}

}  // namespace
}  // namespace kemurina
