#include "dialogs/logic/help_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/number_text.h"
#include "engine/ranks.h"
#include "startup/settings.h"

namespace kemurina {
namespace {

constexpr std::string_view kHint = "＝＝ウインドウ右上のＸボタンを押すとヘルプが終了します＝＝";

// Each menu line and its section's heading: without the menu's blank in
// front, and three with a title of their own.
const std::pair<std::string, std::string> kSections[] = {
    {"　１）ソフトの概要", "１）ソフトの概要　◆"},
    {"　２）ケムリナのコツ", "２）ケムリナのコツ　◆"},
    {"　３）ステータス", "３）ステータス　◆"},
    {"　４）ケムリナからの日数", "４）ケムリナからの日数　◆"},
    {"　５）延びた寿命と肺の状態", "５）延びた寿命と肺の状態について　◆"},
    {"　６）節約できた金額", "６）節約できた金額　◆"},
    {"　７）吸わなかった煙草", "７）吸わなかった煙草　◆"},
    {"　８）今日の一言", "８）今日の一言　◆"},
    {"　９）プログレスバー", "９）プログレスバー　◆"},
    {"１０）コピーボタン", "１０）コピ１＆コピ２ボタン　◆"},
    {"１１）ブログボタン", "１１）ＢＢＳボタン　◆"},
    {"１２）設定ボタン", "１２）設定ボタン　◆"},
    {"１３）タスクトレイへの収納方法", "１３）タスクトレイへの収納方法　◆"},
    {"１４）ミニサイズでの運転方法", "１４）ミニサイズでの運転方法　◆"},
    {"１５）不具合がでたときの対処方法", "１５）不具合がでたときの対処方法　◆"},
    {"１６）削除の方法", "１６）削除の方法　◆"},
    {"１７）動作環境", "１７）動作環境　◆"},
    {"１８）更新履歴", "１８）更新履歴　◆"},
    {"１９）ソフト転載と著作権", "１９）ソフト転載と著作権　◆"},
    {"２０）免責事項", "２０）免責事項　◆"},
    {"２１）作者連絡先", "２１）作者連絡先　◆"},
};

using Lines = std::vector<std::string>;

// Split at "\r\n"; a lone "\r" or "\n" anywhere fails the test.
Lines SplitCrLf(std::string_view text) {
  Lines lines;
  for (std::size_t end; (end = text.find("\r\n")) != text.npos; text.remove_prefix(end + 2)) {
    lines.emplace_back(text.substr(0, end));
  }
  lines.emplace_back(text);
  for (const std::string& line : lines) EXPECT_EQ(line.find_first_of("\r\n"), line.npos) << line;
  return lines;
}

Lines Slice(const Lines& lines, std::size_t from, std::size_t to) {
  return {lines.begin() + long(from), lines.begin() + long(to)};
}

// Right-aligned in four full-width columns, as the status lists write days and years.
std::string FourWide(int n) {
  std::string text = Wide(n);
  while (text.size() < 12) text = "　" + text;
  return text;
}

TEST(HelpText, LayoutVersionsAddressesAndStatusLists) {
  const std::string text = HelpText();
  const Lines lines = SplitCrLf(text);
  Lines head{"", std::string(kHint), "", "", "◆　ケムリナ式ヘルプメニュー", ""};
  for (const auto& section : kSections) head.push_back(section.first);
  ASSERT_GT(lines.size(), head.size());
  EXPECT_EQ(Slice(lines, 0, head.size()), head);
  // In menu order, each heading with exactly four empty lines before it and
  // one after, then a body; after the last body the hint again, then the end.
  auto at = lines.begin() + long(head.size());
  EXPECT_EQ(lines[head.size() + 4], kSections[0].second);  // no line after the 21st menu line
  for (const auto& [menu, heading] : kSections) {
    at = std::find(at, lines.end(), heading);
    ASSERT_NE(at, lines.end()) << heading;
    const std::size_t h = std::size_t(at - lines.begin());
    EXPECT_EQ(Slice(lines, h - 4, h + 2), (Lines{"", "", "", "", heading, ""}));
    EXPECT_TRUE(lines[h - 5] != "" && lines[h + 2] != "") << heading;
  }
  const std::size_t n = lines.size();
  EXPECT_EQ(Slice(lines, n - 6, n), (Lines{"", "", "", "", std::string(kHint), ""}));
  EXPECT_NE(lines[n - 7], "");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string(kHint)), 2);

  // The version history, newest first.
  auto line = std::find(lines.begin(), lines.end(), "１８）更新履歴　◆") + 2;
  for (int minor = 21; minor >= 0; --minor, ++line) {
    const std::string version =
        "Ver1." + std::string(minor < 10 ? "0" : "") + std::to_string(minor);
    ASSERT_TRUE(line->starts_with(version + "　")) << *line;
  }
  EXPECT_EQ(*line, "");

  // Every address is under example.com; the settings section names the scheme
  // on its own, in brackets.
  EXPECT_NE(text.find(kProductSiteUrl), text.npos);
  for (std::size_t i = text.find("http://"); i != text.npos; i = text.find("http://", i + 1)) {
    const std::string_view rest = std::string_view(text).substr(i);
    EXPECT_TRUE(rest.starts_with("http://」") || rest.starts_with("http://www.example.com/"))
        << rest.substr(0, 40);
  }

  // The soldier and cosmo lists tell the truth: a line where the rank shown
  // changes ("～" when it lasts beyond that day), "？" for each year the
  // hidden rank changes, then the list ends.
  for (std::string_view theme : {"ソルジャー", "コスモ"}) {
    Lines listed;
    for (int d = 0; d < 365; ++d) {
      const std::string_view rank = StatusRank(theme, d, 0);
      if (d > 0 && rank == StatusRank(theme, d - 1, 0)) continue;
      const bool lasts = StatusRank(theme, d + 1, 0) == rank;
      listed.push_back(FourWide(d) + "日" + (lasts ? "～　" : "　　") + std::string(rank));
    }
    for (int y = 1; y <= 120; ++y) {
      if (StatusRank(theme, 366 * y, y) != StatusRank(theme, 366 * (y - 1), y - 1))
        listed.push_back(FourWide(y) + "年～　？");
    }
    listed.push_back("");
    const std::string title = "■" + std::string(theme) + "（ケムリナしてからの日数　ステータス）";
    const std::size_t from =
        std::size_t(std::find(lines.begin(), lines.end(), title) - lines.begin()) + 1;
    ASSERT_LT(from, n) << title;
    EXPECT_EQ(Slice(lines, from, std::min(n, from + listed.size())), listed);
  }
}

TEST(NoticeText, HasTheThirteenLines) {
  EXPECT_EQ(SplitCrLf(NoticeText()),
            (Lines{"アオゾラ ～ もうひとつのケムリナ式 ～", "", "　１）今日の一言ｘ３６５日",
                   "　２）日本周遊のケムリナ旅行マップ", "　３）ケムリナキャラクターズ大幅増量",
                   "　４）履歴を閲覧できるタイムマシンモード", "　５）ブログ出力対応のケムリナ日記",
                   "　６）長さに加えて重さの例え付き", "　７）もちろん無料！！！", "",
                   "詳細は「アオゾラご紹介サイト」へ", std::string(kCompanionPageUrl), ""}));
}

}  // namespace
}  // namespace kemurina
