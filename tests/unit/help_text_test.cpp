#include "dialogs/logic/help_text.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ranks.h"
#include "startup/settings.h"

namespace kemurina {
namespace {

constexpr std::string_view kHint = "＝＝ウインドウ右上のＸボタンを押すとヘルプが終了します＝＝";
constexpr std::string_view kHeadingMark = "　◆";

constexpr std::array<std::string_view, 21> kMenuLines{
    "　１）ソフトの概要",
    "　２）ケムリナのコツ",
    "　３）ステータス",
    "　４）ケムリナからの日数",
    "　５）延びた寿命と肺の状態",
    "　６）節約できた金額",
    "　７）吸わなかった煙草",
    "　８）今日の一言",
    "　９）プログレスバー",
    "１０）コピーボタン",
    "１１）ブログボタン",
    "１２）設定ボタン",
    "１３）タスクトレイへの収納方法",
    "１４）ミニサイズでの運転方法",
    "１５）不具合がでたときの対処方法",
    "１６）削除の方法",
    "１７）動作環境",
    "１８）更新履歴",
    "１９）ソフト転載と著作権",
    "２０）免責事項",
    "２１）作者連絡先",
};

// A section's heading repeats its menu title with "　◆" after it, except these.
std::string Heading(std::size_t i) {
  if (i == 4) return "　５）延びた寿命と肺の状態について　◆";
  if (i == 9) return "１０）コピ１＆コピ２ボタン　◆";
  if (i == 10) return "１１）ＢＢＳボタン　◆";
  return std::string(kMenuLines[i]) + std::string(kHeadingMark);
}

// Every "\r" followed by "\n" and every "\n" preceded by "\r".
bool OnlyCrLf(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
  }
  return true;
}

// Splits at "\r\n"; a text ending in "\r\n" gives a last empty element.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (true) {
    const std::size_t end = text.find("\r\n");
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) return lines;
    text.remove_prefix(end + 2);
  }
}

bool EndsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool StartsWith(std::string_view s, std::string_view head) {
  return s.substr(0, head.size()) == head;
}

class HelpTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    text_ = HelpText();
    lines_ = SplitLines(text_);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      if (EndsWith(lines_[i], kHeadingMark)) headingAt_.push_back(i);
    }
  }

  // The body lines of section n (1-based): after the heading and its empty
  // line, up to the empty lines before the next heading or the closing hint.
  std::vector<std::string> Body(std::size_t n) const {
    const std::size_t first = headingAt_.at(n - 1) + 2;
    const std::size_t next = n < headingAt_.size() ? headingAt_[n] : lines_.size() - 2;
    return {lines_.begin() + static_cast<std::ptrdiff_t>(first),
            lines_.begin() + static_cast<std::ptrdiff_t>(next - 4)};
  }

  std::string text_;
  std::vector<std::string> lines_;
  std::vector<std::size_t> headingAt_;
};

TEST_F(HelpTextTest, UsesOnlyCrLfLineBreaks) { EXPECT_TRUE(OnlyCrLf(text_)); }

// The hint, the menu, and the hint again after exactly four empty lines.
TEST_F(HelpTextTest, HintAndMenuFrameTheText) {
  ASSERT_GT(lines_.size(), 7u + kMenuLines.size());
  const std::vector<std::string> head{"", std::string(kHint), "", "", "◆　ケムリナ式ヘルプメニュー",
                                      ""};
  EXPECT_EQ(std::vector<std::string>(lines_.begin(), lines_.begin() + 6), head);
  for (std::size_t i = 0; i < kMenuLines.size(); ++i) {
    EXPECT_EQ(lines_[6 + i], kMenuLines[i]) << "menu line " << i + 1;
  }
  // The menu ends there: the gap before the first section follows at once.
  EXPECT_EQ(lines_[6 + kMenuLines.size()], "");

  const std::string tail = "\r\n\r\n\r\n\r\n\r\n" + std::string(kHint) + "\r\n";
  EXPECT_TRUE(EndsWith(text_, tail));
  EXPECT_FALSE(EndsWith(text_, "\r\n" + tail)) << "a fifth empty line before the closing hint";
  std::size_t count = 0;
  for (std::size_t at = text_.find(kHint); at != std::string::npos;
       at = text_.find(kHint, at + 1)) {
    ++count;
  }
  EXPECT_EQ(count, 2u) << "the hint appears only at the start and the end";
}

TEST_F(HelpTextTest, SectionHeadingsFollowTheMenuOrder) {
  ASSERT_EQ(headingAt_.size(), kMenuLines.size());
  for (std::size_t i = 0; i < kMenuLines.size(); ++i) {
    EXPECT_EQ(lines_[headingAt_[i]], Heading(i)) << "section " << i + 1;
  }
}

TEST_F(HelpTextTest, EveryHeadingHasExactlyFourEmptyLinesBeforeAndOneAfter) {
  ASSERT_EQ(headingAt_.size(), kMenuLines.size());
  for (std::size_t i = 0; i < headingAt_.size(); ++i) {
    const std::size_t h = headingAt_[i];
    ASSERT_GE(h, 5u);
    for (std::size_t k = 1; k <= 4; ++k) {
      EXPECT_EQ(lines_[h - k], "") << "section " << i + 1;
    }
    EXPECT_NE(lines_[h - 5], "") << "more than four empty lines before section " << i + 1;
    ASSERT_LT(h + 2, lines_.size());
    EXPECT_EQ(lines_[h + 1], "") << "section " << i + 1;
    EXPECT_NE(lines_[h + 2], "") << "section " << i + 1 << " has no body";
  }
}

TEST_F(HelpTextTest, AddressesStayUnderExampleCom) {
  EXPECT_NE(text_.find(kProductSiteUrl), std::string::npos);
  for (std::size_t at = text_.find("http://"); at != std::string::npos;
       at = text_.find("http://", at + 1)) {
    const std::string_view rest = std::string_view(text_).substr(at);
    // The settings section names the scheme on its own, in brackets.
    if (StartsWith(rest, "http://」")) continue;
    EXPECT_TRUE(StartsWith(rest, "http://www.example.com/")) << rest.substr(0, 40);
  }
  for (std::size_t at = text_.find('@'); at != std::string::npos; at = text_.find('@', at + 1)) {
    EXPECT_TRUE(StartsWith(std::string_view(text_).substr(at), "@example.com"));
  }
}

TEST_F(HelpTextTest, VersionHistoryRunsFromNewestDownToFirst) {
  ASSERT_EQ(headingAt_.size(), kMenuLines.size());
  std::vector<int> versions;
  for (const auto& line : Body(18)) {
    ASSERT_TRUE(StartsWith(line, "Ver1.")) << line;
    versions.push_back(std::stoi(line.substr(5, 2)));
  }
  ASSERT_FALSE(versions.empty());
  EXPECT_EQ(versions.front(), 21);
  EXPECT_EQ(versions.back(), 0);
  for (std::size_t i = 1; i < versions.size(); ++i) EXPECT_LT(versions[i], versions[i - 1]);
}

// One line of a rank list: "　　２０日～　大佐" or "　１００年～　？".
struct RankLine {
  int number = 0;
  bool years = false;
  bool from = false;  // "～": the rank holds from this day or year on
  std::string name;
};

bool ParseRankLine(std::string_view line, RankLine& out) {
  // Every character here is three bytes long; "０".."９" are EF BC 90..99.
  const auto skipBlanks = [&line] {
    while (StartsWith(line, "　")) line.remove_prefix(3);
  };
  skipBlanks();
  int digits = 0;
  for (out.number = 0; line.size() >= 3 && StartsWith(line, "\xEF\xBC") &&
                       static_cast<unsigned char>(line[2]) - 0x90u < 10u;
       ++digits) {
    out.number = out.number * 10 + (static_cast<unsigned char>(line[2]) - 0x90);
    line.remove_prefix(3);
  }
  out.years = StartsWith(line, "年");
  if (digits == 0 || (!out.years && !StartsWith(line, "日"))) return false;
  line.remove_prefix(3);
  out.from = StartsWith(line, "～");
  if (out.from) line.remove_prefix(3);
  skipBlanks();
  out.name = std::string(line);
  return !out.name.empty();
}

// The soldier and cosmo lists must tell the truth: every day of the first
// year shows the rank of the last listed day, and the hidden ranks change
// exactly in the listed years.
TEST_F(HelpTextTest, StatusListsMatchTheRanksShown) {
  ASSERT_EQ(headingAt_.size(), kMenuLines.size());
  const auto body = Body(3);
  for (std::string_view theme : {"ソルジャー", "コスモ"}) {
    SCOPED_TRACE(std::string(theme));
    const std::string title = "■" + std::string(theme);
    std::size_t i = 0;
    while (i < body.size() && !StartsWith(body[i], title)) ++i;
    ASSERT_LT(i, body.size()) << "no list";
    std::vector<RankLine> days;
    std::set<int> years;
    for (++i; i < body.size() && !body[i].empty(); ++i) {
      RankLine r;
      ASSERT_TRUE(ParseRankLine(body[i], r)) << body[i];
      if (r.years) {
        EXPECT_TRUE(r.from);
        EXPECT_EQ(r.name, "？") << "year ranks stay hidden";
        years.insert(r.number);
      } else {
        EXPECT_NE(r.name, "？");
        EXPECT_TRUE(days.empty() || r.number > days.back().number);
        days.push_back(r);
      }
    }
    ASSERT_FALSE(days.empty());
    ASSERT_EQ(days.front().number, 0);

    std::size_t listed = 0;
    for (int d = 0; d < 365; ++d) {
      while (listed + 1 < days.size() && days[listed + 1].number <= d) ++listed;
      EXPECT_EQ(StatusRank(theme, d, 0), days[listed].name) << "day " << d;
      // A line without "～" covers its own day only.
      if (!days[listed].from) {
        EXPECT_EQ(d, days[listed].number) << "day " << d;
      }
    }
    std::set<int> changes;
    for (int y = 1; y <= 120; ++y) {
      if (StatusRank(theme, 366 * y, y) != StatusRank(theme, 366 * (y - 1), y - 1)) {
        changes.insert(y);
      }
    }
    EXPECT_EQ(years, changes);
  }
}

TEST(NoticeTextTest, HasTheThirteenLines) {
  const std::string text = NoticeText();
  EXPECT_TRUE(OnlyCrLf(text));
  const std::vector<std::string> expected{
      "アオゾラ ～ もうひとつのケムリナ式 ～",
      "",
      "　１）今日の一言ｘ３６５日",
      "　２）日本周遊のケムリナ旅行マップ",
      "　３）ケムリナキャラクターズ大幅増量",
      "　４）履歴を閲覧できるタイムマシンモード",
      "　５）ブログ出力対応のケムリナ日記",
      "　６）長さに加えて重さの例え付き",
      "　７）もちろん無料！！！",
      "",
      "詳細は「アオゾラご紹介サイト」へ",
      std::string(kCompanionPageUrl),
      "",
  };
  EXPECT_EQ(SplitLines(text), expected);
}

}  // namespace
}  // namespace kemurina
