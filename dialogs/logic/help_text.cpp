#include "dialogs/logic/help_text.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "dialogs/logic/help_sections.h"
#include "startup/settings.h"

namespace kemurina {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kClosingHint =
    "＝＝ウインドウ右上のＸボタンを押すとヘルプが終了します＝＝";
constexpr std::string_view kMenuHeading = "◆　ケムリナ式ヘルプメニュー";
constexpr std::string_view kWideBlank = "　";

// "１）", "１０）": the section number in full-width digits.
std::string SectionNumber(std::size_t n) {
  static constexpr std::array<std::string_view, 10> kWideDigits{"０", "１", "２", "３", "４",
                                                                "５", "６", "７", "８", "９"};
  std::string out;
  if (n >= 10) out += kWideDigits[(n / 10) % 10];
  out += kWideDigits[n % 10];
  out += "）";
  return out;
}

// In the menu, 1 to 9 get a full-width blank in front, which keeps the
// closing brackets in one column; the headings stand without it.
std::string MenuNumber(std::size_t n) {
  return n < 10 ? std::string(kWideBlank) + SectionNumber(n) : SectionNumber(n);
}

void AddLine(std::string& text, std::string_view line) {
  text += line;
  text += kCrLf;
}

void AddEmptyLines(std::string& text, int count) {
  for (int i = 0; i < count; ++i) text += kCrLf;
}

// The bodies keep '\n' between their lines so that the table stays readable;
// the text box wants "\r\n" everywhere.
void AddBody(std::string& text, std::string_view body) {
  while (true) {
    const std::size_t end = body.find('\n');
    AddLine(text, body.substr(0, end));
    if (end == std::string_view::npos) break;
    body.remove_prefix(end + 1);
  }
}

}  // namespace

std::string HelpText() {
  std::string text;
  AddEmptyLines(text, 1);
  AddLine(text, kClosingHint);
  AddEmptyLines(text, 2);

  AddLine(text, kMenuHeading);
  AddEmptyLines(text, 1);
  for (std::size_t i = 0; i < kHelpSections.size(); ++i) {
    AddLine(text, MenuNumber(i + 1) + std::string(kHelpSections[i].MenuTitle));
  }

  for (std::size_t i = 0; i < kHelpSections.size(); ++i) {
    AddEmptyLines(text, 4);
    AddLine(text, SectionNumber(i + 1) + std::string(kHelpSections[i].HeadingTitle) +
                      std::string(kWideBlank) + "◆");
    AddEmptyLines(text, 1);
    AddBody(text, kHelpSections[i].Body);
  }

  AddEmptyLines(text, 4);
  AddLine(text, kClosingHint);
  return text;
}

std::string NoticeText() {
  const std::array<std::string_view, 13> lines{
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
      kCompanionPageUrl,
      "",
  };
  // Joined, not terminated: the empty 13th line is what leaves the final
  // "\r\n" after the address.
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += kCrLf;
    text += lines[i];
  }
  return text;
}

}  // namespace kemurina
