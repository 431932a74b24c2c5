#include <gtest/gtest.h>

#include "engine/refresh.h"
#include "engine/summary.h"

namespace kemurina {
namespace {

Settings QuitOn24April2012(int copyPlusMode) {
  Settings s;
  s.QuitYear = 2012;
  s.QuitMonth = 4;
  s.QuitDay = 24;
  s.QuitHour = 8;
  s.QuitMinute = 0;
  s.CopyPlusMode = copyPlusMode;
  return s;
}

// 20 days, 3 hours and 15 minutes after the quit moment, as the windows show it.
SummaryInputs TwentyDaysIn(const Settings& s, int dayForm = 0) {
  SummaryInputs in;
  in.settings = &s;
  in.ElapsedMinutes = 20 * 1440 + 3 * 60 + 15;
  in.ElapsedDays = 20;
  in.ElapsedHours = 3;
  in.ElapsedMins = 15;
  in.LifeMinutes = 2214;
  in.DayFormToggle = dayForm;
  in.ElapsedCaption = dayForm ? "２０日３時間１５分" : "０年０ヶ月２０日３時間１５分";
  in.MoneyCaption = "6041円（節税分 5188円）";
  in.StatusCaption = "大佐";
  in.CountCaption = "402本 34.17ｍ ＳＬ";
  in.SummarySentence = "節約できた金額は６０４１円です。";
  return in;
}

TEST(FullSummary, SixLinesForEachCopyPlusMode) {
  const Settings off = QuitOn24April2012(0);
  EXPECT_EQ(ComposeFullSummary(TwentyDaysIn(off)),
            "ステータス： 大佐\r\n"
            "ケムリナ日： 2012年 4月 24日\r\n"
            "ケムリナからの日数： 0年 0ヶ月 20日 3時間 15分\r\n"
            "延びた寿命： 1日と12時間54分\r\n"
            "節約できた金額： 6041円（節税分 5188円）\r\n"
            "節煙本数： 402本 34.17ｍ ＳＬ");

  const Settings on = QuitOn24April2012(1);
  EXPECT_NE(ComposeFullSummary(TwentyDaysIn(on))
                .find("ケムリナ日： 2012年 4月 24日（20本-300円-中）\r\n"),
            std::string::npos);

  Settings years = QuitOn24April2012(2);
  years.SmokingYears = 5;
  EXPECT_NE(
      ComposeFullSummary(TwentyDaysIn(years)).find("ケムリナ日： 2012年 4月 24日（20本-5年）\r\n"),
      std::string::npos);
}

TEST(FullSummary, DayFormReplacesTheCalendarLine) {
  const Settings s = QuitOn24April2012(0);
  const std::string text = ComposeFullSummary(TwentyDaysIn(s, 1));
  EXPECT_NE(text.find("\r\nケムリナからの日数： 20日 3時間 15分\r\n"), std::string::npos);
}

TEST(FullSummary, OddValuesFromAHandEditedFile) {
  Settings s = QuitOn24April2012(1);
  s.CigaretteLength = 70;
  EXPECT_NE(ComposeFullSummary(TwentyDaysIn(s)).find("（20本-300円-）"), std::string::npos);
  s.CopyPlusMode = 3;
  EXPECT_EQ(ComposeFullSummary(TwentyDaysIn(s)), "");
  EXPECT_EQ(ComposeShortSummary(TwentyDaysIn(s)), "");
  s.CopyPlusMode = -1;
  EXPECT_EQ(ComposeFullSummary(TwentyDaysIn(s)), "");
}

TEST(FullSummary, ExactlyFiveLineBreaksAndNoneAtTheEnd) {
  const Settings s = QuitOn24April2012(2);
  const std::string text = ComposeFullSummary(TwentyDaysIn(s));
  size_t breaks = 0;
  for (size_t i = text.find("\r\n"); i != std::string::npos; i = text.find("\r\n", i + 2)) ++breaks;
  EXPECT_EQ(breaks, 5u);
  EXPECT_NE(text.back(), '\n');
}

TEST(ShortSummary, OneParagraphPerCopyPlusMode) {
  const Settings on = QuitOn24April2012(1);
  EXPECT_EQ(ComposeShortSummary(TwentyDaysIn(on)),
            "２０１２年４月２４日にケムリナ。それまで１日２０本吸っていました。"
            "０年０ヶ月２０日３時間１５分経過しました。節約できた金額は６０４１円です。"
            "ステータスは大佐。");

  Settings years = QuitOn24April2012(2);
  years.SmokingYears = 12;
  EXPECT_EQ(ComposeShortSummary(TwentyDaysIn(years, 1)),
            "２０１２年４月２４日にケムリナ。それまで１２年間１日２０本吸っていました。"
            "２０日３時間１５分経過しました。節約できた金額は６０４１円です。ステータスは大佐。");

  const Settings off = QuitOn24April2012(0);
  const std::string text = ComposeShortSummary(TwentyDaysIn(off));
  EXPECT_EQ(text.rfind("２０１２年４月２４日にケムリナ。０年", 0), 0u);
  EXPECT_EQ(text.find('\n'), std::string::npos);
}

TEST(SizeWord, MapsTheThreeLengths) {
  EXPECT_EQ(SizeWord(50), "小");
  EXPECT_EQ(SizeWord(85), "中");
  EXPECT_EQ(SizeWord(100), "大");
  EXPECT_EQ(SizeWord(0), "");
}

Settings Smoker(const LocalTime& quit) {
  Settings s;
  s.SetQuitDate(quit);
  return s;
}

TEST(Refresh, QuitMomentEqualToNowShowsZeros) {
  const LocalTime t{2024, 5, 1, 12, 0};
  const RefreshResult r = ComputeRefresh(Smoker(t), t, 50, 0);
  EXPECT_EQ(r.Label2[0], "０年０ヶ月０日０時間０分");
  EXPECT_EQ(r.Label2[1], "０日と０時間０分");
  EXPECT_EQ(r.Label2[2], "0円（節税分 0円）");
  EXPECT_EQ(r.Label2[3], "２等兵");
  EXPECT_EQ(r.Label2[4], "0本 0ｍ ガンバレ－");
  EXPECT_EQ(r.Label2[5], "さあ今日からいよいよケムリナです！がんばりましょう！");
}

TEST(Refresh, OneDayAtTwentyADay) {
  const RefreshResult r = ComputeRefresh(Smoker({2024, 5, 1, 12, 0}), {2024, 5, 2, 12, 0}, 50, 0);
  EXPECT_EQ(r.Label2[0], "０年０ヶ月１日０時間０分");
  EXPECT_EQ(r.Label2[1], "０日と１時間５０分");
  EXPECT_EQ(r.Label2[2], "300円（節税分 258円）");
  EXPECT_EQ(r.Label2[4], "1箱 1.7ｍ シーラカンス");
  EXPECT_EQ(r.SummarySentence,
            "節約できた金額は３００円です。節煙本数は２０本で、これは１．７ｍのシーラカンスに匹敵し"
            "ます。");
  EXPECT_EQ(r.Label2[3], "１等兵");
}

TEST(Refresh, MiniTextCarriesTheDayFormOnceAndMatchesTheCopy) {
  Settings s = Smoker({2024, 5, 1, 12, 0});
  const LocalTime now{2024, 5, 3, 15, 7};
  const RefreshResult calendar = ComputeRefresh(s, now, 50, 0);
  EXPECT_NE(calendar.SummaryText.find("ケムリナからの日数： 0年 0ヶ月 2日 3時間 7分"),
            std::string::npos);
  const RefreshResult dayForm = ComputeRefresh(s, now, 50, 1);
  EXPECT_NE(dayForm.SummaryText.find("ケムリナからの日数： 2日 3時間 7分"), std::string::npos);
  EXPECT_EQ(DayForm(dayForm.Snapshot), "２日３時間７分");
  EXPECT_NE(calendar.SummaryText.find("節煙本数： " + calendar.Label2[4]), std::string::npos);
  EXPECT_NE(calendar.SummaryText.find("節約できた金額： " + calendar.Label2[2]), std::string::npos);
}

TEST(Refresh, ClockSetBackShowsDayZeroNotNonsense) {
  const RefreshResult r = ComputeRefresh(Smoker({2024, 3, 10, 12, 0}), {2024, 2, 10, 12, 0}, 50, 0);
  EXPECT_EQ(r.Label2[0], "０年０ヶ月０日０時間０分");
  EXPECT_EQ(r.Label2[2], "0円（節税分 0円）");
  EXPECT_EQ(r.MessageIndex, 0);
  for (const std::string& text : r.Label2) {
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_EQ(text.find('-'), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace kemurina
