#pragma once

#include <array>
#include <string>
#include <string_view>

#include "startup/local_time.h"

namespace kemurina {

// The page the ＢＢＳ button opens until the user sets their own: no scheme,
// ending in "/", as the option file stores it.
inline constexpr std::string_view kDefaultBbsUrl = "www.example.com/kemurina/";

// The product's own web site, as shown on the version box.
inline constexpr std::string_view kProductSiteUrl = "http://www.example.com/kemurina/";

// The companion product's page opened from the notice window.
inline constexpr std::string_view kCompanionPageUrl = "http://www.example.com/aozora/";

// What WindowMode holds. Any value but kMiniInUse shows the main window; the
// stored number is kept as read, so these are plain ints, not an enum class.
namespace window_mode {
inline constexpr int kSwitchedBack = 0;   // back to the main window after the mini one
inline constexpr int kMiniInUse = 1;      // the mini window is shown at start
inline constexpr int kNeverSwitched = 2;  // the mini window has no place of its own yet
}  // namespace window_mode

// The three cigarette sizes in the order the dialogs offer them: the length
// stored in CigaretteLength, the dialogs' name and the summary's size word.
struct CigaretteSize {
  int Millimetres;
  std::string_view Name;
  std::string_view SizeWord;
};
inline constexpr std::array<CigaretteSize, 3> kCigaretteSizes{{
    {50, "ショート", "小"},
    {85, "スタンダード", "中"},
    {100, "ロング", "大"},
}};
inline constexpr int kStandardSizeIndex = 1;

// The status themes in the order the settings dialog lists them; the first is
// the default. A typed name outside the list is kept and selects no theme.
inline constexpr std::array<std::string_view, 4> kStatusThemeNames{
    "ソルジャー",
    "コスモ",
    "会社モード",
    "日本旅行",
};

// The largest figures the dialogs accept (both start at 1).
inline constexpr int kMaxCigarettesPerDay = 200;
inline constexpr int kMaxPackPrice = 2000;

constexpr bool InRange(int value, int low, int high) { return value >= low && value <= high; }

inline constexpr int kDefaultTextBackColor = 9241372;   // 0x8D031C
inline constexpr int kDefaultTextForeColor = 16777215;  // 0xFFFFFF

// Everything the two settings files hold. Texts are UTF-8 in memory; the files
// store them in code page 932.
struct Settings {
  // initial.ini
  int QuitYear = 0;
  int QuitMonth = 0;
  int QuitDay = 0;
  int QuitHour = 0;
  int QuitMinute = 0;
  int CigarettesPerDay = 20;
  int PackPrice = 300;
  int CigaretteLength = kCigaretteSizes[kStandardSizeIndex].Millimetres;

  // option.ini
  int SetupDone = 0;
  int TobaccoTaxPer1000 = 12244;
  int ConsumptionTaxPercent = 5;
  int CopyPlusMode = 0;
  int SmokingYears = 5;
  int ShowBoxes = 1;
  int MainLeft = 0;
  int MainTop = 0;
  int TextBackColor = kDefaultTextBackColor;
  int TextForeColor = kDefaultTextForeColor;
  std::string BbsUrl{kDefaultBbsUrl};
  int WindowMode = window_mode::kNeverSwitched;
  int MiniLeft = 0;
  int MiniTop = 0;
  std::string StatusModeName{kStatusThemeNames[0]};

  LocalTime QuitDate() const { return {QuitYear, QuitMonth, QuitDay, QuitHour, QuitMinute}; }
  void SetQuitDate(const LocalTime& t) {
    QuitYear = t.Year;
    QuitMonth = t.Month;
    QuitDay = t.Day;
    QuitHour = t.Hour;
    QuitMinute = t.Minute;
  }

  friend bool operator==(const Settings&, const Settings&) = default;
};

}  // namespace kemurina
