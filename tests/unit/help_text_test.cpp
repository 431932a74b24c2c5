#include "dialogs/logic/help_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ranks.h"
#include "startup/settings.h"

namespace kemurina {
namespace {

constexpr std::string_view kHint = "＝＝ウインドウ右上のＸボタンを押すとヘルプが終了します＝＝";

// Each menu line and its section's heading: without the menu's blank in
// front, and three with a title of their own.
struct Section {
  std::string Menu, Heading;
};
const std::vector<Section> kSections{
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

bool StartsWith(std::string_view s, std::string_view head) {
  return s.substr(0, head.size()) == head;
}

// Splits at "\r\n"; false when a lone "\r" or "\n" stands anywhere.
bool SplitCrLf(std::string_view text, std::vector<std::string>& lines) {
  for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos;
       text.remove_prefix(end + 2)) {
    lines.emplace_back(text.substr(0, end));
    if (lines.back().find_first_of("\r\n") != std::string::npos) return false;
  }
  lines.emplace_back(text);
  return text.find_first_of("\r\n") == std::string_view::npos;
}

class HelpTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    text_ = HelpText();
    ASSERT_TRUE(SplitCrLf(text_, lines_));
    for (const Section& section : kSections) {
      auto at = std::find(lines_.begin(), lines_.end(), section.Heading);
      ASSERT_NE(at, lines_.end()) << section.Heading;
      headingAt_.push_back(static_cast<std::size_t>(at - lines_.begin()));
    }
  }
  // Section n's body (1-based): after its heading and empty line, up to the
  // four empty lines before the next heading or the closing hint.
  std::vector<std::string> Body(std::size_t n) const {
    const std::size_t next = n < headingAt_.size() ? headingAt_[n] : lines_.size() - 2;
    return Slice(headingAt_[n - 1] + 2, next - 4);
  }
  std::vector<std::string> Slice(std::size_t from, std::size_t to) const {
    return {lines_.begin() + static_cast<long>(from), lines_.begin() + static_cast<long>(to)};
  }
  std::string text_;
  std::vector<std::string> lines_;
  std::vector<std::size_t> headingAt_;
};

TEST_F(HelpTextTest, HintMenuSectionsAndHintAgain) {
  std::vector<std::string> head{"", std::string(kHint), "", "", "◆　ケムリナ式ヘルプメニュー", ""};
  for (const Section& section : kSections) head.push_back(section.Menu);
  ASSERT_GT(lines_.size(), head.size());
  EXPECT_EQ(Slice(0, head.size()), head);
  // Every heading: in menu order, four empty lines before, one after, then a body.
  for (std::size_t i = 0; i < headingAt_.size(); ++i) {
    const std::size_t h = headingAt_[i];
    EXPECT_TRUE(i == 0 || h > headingAt_[i - 1]) << kSections[i].Heading;
    EXPECT_EQ(Slice(h - 4, h + 2),
              (std::vector<std::string>{"", "", "", "", kSections[i].Heading, ""}));
    EXPECT_NE(lines_[h - 5], "") << kSections[i].Heading;
    EXPECT_NE(lines_[h + 2], "") << kSections[i].Heading;
  }
  EXPECT_EQ(Slice(lines_.size() - 6, lines_.size()),
            (std::vector<std::string>{"", "", "", "", std::string(kHint), ""}));
  EXPECT_NE(lines_[lines_.size() - 7], "");
  EXPECT_EQ(std::count(lines_.begin(), lines_.end(), std::string(kHint)), 2);
}

TEST_F(HelpTextTest, VersionHistoryNewestFirstAndAddressesUnderExampleCom) {
  std::vector<int> versions;
  for (const auto& line : Body(18)) {
    ASSERT_TRUE(StartsWith(line, "Ver1.")) << line;
    versions.push_back(std::stoi(line.substr(5, 2)));
  }
  ASSERT_FALSE(versions.empty());
  EXPECT_EQ(versions.front(), 21);
  EXPECT_EQ(versions.back(), 0);
  EXPECT_TRUE(std::is_sorted(versions.rbegin(), versions.rend()));
  EXPECT_NE(text_.find(kProductSiteUrl), std::string::npos);
  for (std::size_t at = text_.find("http://"); at != std::string::npos;
       at = text_.find("http://", at + 1)) {
    const std::string_view rest = std::string_view(text_).substr(at);
    // The settings section names the scheme on its own, in brackets.
    EXPECT_TRUE(StartsWith(rest, "http://」") || StartsWith(rest, "http://www.example.com/"))
        << rest.substr(0, 40);
  }
}

// The soldier and cosmo lists tell the truth: every day of the first year
// shows the rank of the last listed day ("　　２０日～　大佐"; a line without
// "～" covers its own day only), and the hidden year ranks ("　１００年～　？")
// change exactly in the listed years.
TEST_F(HelpTextTest, StatusListsMatchTheRanksShown) {
  const auto body = Body(3);
  for (std::string_view theme : {"ソルジャー", "コスモ"}) {
    SCOPED_TRACE(std::string(theme));
    auto line = std::find_if(body.begin(), body.end(), [&](const std::string& l) {
      return StartsWith(l, "■" + std::string(theme));
    });
    ASSERT_NE(line, body.end());
    struct Listed {
      int day;
      bool from;
      std::string name;
    };
    std::vector<Listed> days;
    std::set<int> years;
    for (++line; line != body.end() && !line->empty(); ++line) {
      std::string_view l = *line;
      while (StartsWith(l, "　")) l.remove_prefix(3);
      int number = 0, digits = 0;
      // "０".."９" are EF BC 90..99.
      for (; StartsWith(l, "\xEF\xBC") && static_cast<unsigned char>(l[2]) - 0x90u < 10u;
           ++digits, l.remove_prefix(3))
        number = number * 10 + (static_cast<unsigned char>(l[2]) - 0x90);
      ASSERT_GT(digits, 0) << *line;
      const bool isYear = StartsWith(l, "年");
      ASSERT_TRUE(isYear || StartsWith(l, "日")) << *line;
      l.remove_prefix(3);
      const bool from = StartsWith(l, "～");
      if (from) l.remove_prefix(3);
      while (StartsWith(l, "　")) l.remove_prefix(3);
      if (isYear) {
        EXPECT_TRUE(from && l == "？") << *line;
        years.insert(number);
      } else {
        EXPECT_TRUE(days.empty() || number > days.back().day) << *line;
        days.push_back({number, from, std::string(l)});
      }
    }
    ASSERT_FALSE(days.empty());
    ASSERT_EQ(days.front().day, 0);
    std::size_t listed = 0;
    for (int d = 0; d < 365; ++d) {
      while (listed + 1 < days.size() && days[listed + 1].day <= d) ++listed;
      EXPECT_EQ(StatusRank(theme, d, 0), days[listed].name) << "day " << d;
      if (!days[listed].from) {
        EXPECT_EQ(d, days[listed].day);
      }
    }
    std::set<int> changes;
    for (int y = 1; y <= 120; ++y) {
      if (StatusRank(theme, 366 * y, y) != StatusRank(theme, 366 * (y - 1), y - 1))
        changes.insert(y);
    }
    EXPECT_EQ(years, changes);
  }
}

TEST(NoticeTextTest, HasTheThirteenLines) {
  std::vector<std::string> lines;
  ASSERT_TRUE(SplitCrLf(NoticeText(), lines));
  EXPECT_EQ(lines,
            (std::vector<std::string>{
                "アオゾラ ～ もうひとつのケムリナ式 ～", "", "　１）今日の一言ｘ３６５日",
                "　２）日本周遊のケムリナ旅行マップ", "　３）ケムリナキャラクターズ大幅増量",
                "　４）履歴を閲覧できるタイムマシンモード", "　５）ブログ出力対応のケムリナ日記",
                "　６）長さに加えて重さの例え付き", "　７）もちろん無料！！！", "",
                "詳細は「アオゾラご紹介サイト」へ", std::string(kCompanionPageUrl), ""}));
}

}  // namespace
}  // namespace kemurina
