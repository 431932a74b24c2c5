#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "engine/refresh.h"
#include "engine/summary.h"

namespace kemurina {
namespace {

Settings QuitOn24April2012(int copyPlusMode, int smokingYears = 5, int length = 85) {
  Settings s;
  s.SetQuitDate({2012, 4, 24, 8, 0});
  s.CopyPlusMode = copyPlusMode;
  s.SmokingYears = smokingYears;
  s.CigaretteLength = length;
  return s;
}

// 20 days, 3 hours and 15 minutes after the quit moment (life 1 day 12:54),
// with the captions as the windows show them.
const ProgressSnapshot kTwentyDays{.ElapsedMinutes = 20 * 1440 + 3 * 60 + 15,
                                   .ElapsedDays = 20,
                                   .ElapsedHours = 3,
                                   .ElapsedMins = 15,
                                   .LifeMinutes = 2214};

SummaryInputs TwentyDaysIn(const Settings& s, int dayForm = 0) {
  // clang-format off
  return {&s, &kTwentyDays, dayForm,
          dayForm ? "２０日３時間１５分" : "０年０ヶ月２０日３時間１５分",
          "6041円（節税分 5188円）", "大佐", "402本 34.17ｍ ＳＬ", "節約できた金額は６０４１円です。"};
  // clang-format on
}

// Six CRLF-joined lines, none after the last; the quit date in plain digits.
TEST(FullSummary, DateAndElapsedLinesByCopyPlusModeAndDayForm) {
  const std::string calendar = "0年 0ヶ月 20日 3時間 15分", days = "20日 3時間 15分";
  // CopyPlusMode, day form, smoking years, cigarette length (70 from a hand-edited file).
  // clang-format off
  const std::tuple<int, int, int, int, std::string, std::string> cases[] = {
      {0, 0, 5, 85, "日", calendar},                   {1, 0, 5, 85, "日（20本-300円-中）", calendar},
      {1, 0, 5, 50, "日（20本-300円-小）", calendar},  {1, 0, 5, 100, "日（20本-300円-大）", calendar},
      {1, 0, 5, 70, "日（20本-300円-）", calendar},    {2, 0, 5, 85, "日（20本-5年）", calendar},
      {0, 1, 5, 85, "日", days},                       {2, 1, 12, 85, "日（20本-12年）", days}};
  // clang-format on
  for (const auto& [mode, dayForm, years, length, date, elapsed] : cases) {
    const Settings s = QuitOn24April2012(mode, years, length);
    EXPECT_EQ(ComposeFullSummary(TwentyDaysIn(s, dayForm)),
              "ステータス： 大佐\r\nケムリナ日： 2012年 4月 24" + date +
                  "\r\nケムリナからの日数： " + elapsed +
                  "\r\n延びた寿命： 1日と12時間54分\r\n節約できた金額： 6041円（節税分 "
                  "5188円）\r\n節煙本数： 402本 34.17ｍ ＳＬ");
  }
}

TEST(ShortSummary, OneParagraphPerCopyPlusMode) {
  const Settings off = QuitOn24April2012(0), on = QuitOn24April2012(1),
                 years = QuitOn24April2012(2, 12);
  EXPECT_EQ(ComposeShortSummary(TwentyDaysIn(off)),
            "２０１２年４月２４日にケムリナ。０年０ヶ月２０日３時間１５分経過しました。"
            "節約できた金額は６０４１円です。ステータスは大佐。");
  EXPECT_EQ(ComposeShortSummary(TwentyDaysIn(on)),
            "２０１２年４月２４日にケムリナ。それまで１日２０本吸っていました。"
            "０年０ヶ月２０日３時間１５分経過しました。節約できた金額は６０４１円です。"
            "ステータスは大佐。");
  EXPECT_EQ(ComposeShortSummary(TwentyDaysIn(years, 1)),
            "２０１２年４月２４日にケムリナ。それまで１２年間１日２０本吸っていました。"
            "２０日３時間１５分経過しました。節約できた金額は６０４１円です。ステータスは大佐。");
  // A mode from a hand-edited file gives empty texts.
  for (int mode : {3, -1}) {
    const Settings odd = QuitOn24April2012(mode);
    EXPECT_EQ(ComposeFullSummary(TwentyDaysIn(odd)) + ComposeShortSummary(TwentyDaysIn(odd)), "");
  }
}

// The six captions and the short summary's sentence of one refresh, 20 a day
// at 300 yen and 85 mm from noon on 1 May 2024, luck 50; the mini window's
// text is the full summary of those captions, in the day form once when the
// toggle is set as the refresh starts.
TEST(Refresh, CaptionsSentenceAndMiniText) {
  using Labels = std::array<std::string, 6>;
  const Labels dayZero{
      "０年０ヶ月０日０時間０分", "０日と０時間０分",
      "0円（節税分 0円）",        "２等兵",
      "0本 0ｍ ガンバレ－",       "さあ今日からいよいよケムリナです！がんばりましょう！"};
  const std::string nothingYet =
      "節約できた金額は０円です。節煙本数は０本で、これは０ｍのガンバレ－に匹敵します。";
  const std::tuple<LocalTime, Labels, std::string> cases[] = {
      {{2024, 5, 1, 12, 0}, dayZero, nothingYet},
      // The clock set back before the quit moment: day 0, no negative or NaN figure.
      {{2024, 4, 1, 12, 0}, dayZero, nothingYet},
      // 236.1 mm: the metres round up to .24 in both texts.
      {{2024, 5, 1, 15, 20},
       {"０年０ヶ月０日３時間２０分", "０日と０時間１５分", "41円（節税分 35円）", "２等兵",
        "2本 .24ｍ 鉛筆", dayZero[5]},
       "節約できた金額は４１円です。節煙本数は２本で、これは．２４ｍの鉛筆に匹敵します。"},
      {{2024, 5, 2, 12, 0},
       {"０年０ヶ月１日０時間０分", "０日と１時間５０分", "300円（節税分 258円）", "１等兵",
        "1箱 1.7ｍ シーラカンス", "とにかく今日です！どんな手を使ってもいい！がんばれ！"},
       "節約できた金額は３００円です。節煙本数は２０本で、これは１．７ｍのシーラカンスに匹敵し"
       "ます。"}};
  Settings s;
  s.SetQuitDate({2024, 5, 1, 12, 0});
  for (const auto& [now, labels, sentence] : cases) {
    const RefreshResult r = ComputeRefresh(s, now, 50, 0);
    EXPECT_EQ(r.Label2, labels);
    EXPECT_EQ(r.SummarySentence, sentence);
  }
  const LocalTime now{2024, 5, 3, 11, 59};  // a minute short of two days
  const std::string head =
      "ステータス： １等兵\r\nケムリナ日： 2024年 5月 1日\r\nケムリナからの日数： ";
  const std::string tail =
      "\r\n延びた寿命： 0日と3時間39分\r\n節約できた金額： 599円（節税分 517円）\r\n"
      "節煙本数： 39本 3.4ｍ 知恩院の鐘";
  EXPECT_EQ(ComputeRefresh(s, now, 50, 0).SummaryText, head + "0年 0ヶ月 1日 23時間 59分" + tail);
  const RefreshResult dayForm = ComputeRefresh(s, now, 50, 1);
  EXPECT_EQ(dayForm.SummaryText, head + "1日 23時間 59分" + tail);
  EXPECT_EQ(DayForm(dayForm.Snapshot), "１日２３時間５９分");
}

}  // namespace
}  // namespace kemurina
