#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "startup/local_time.h"
#include "startup/settings.h"

namespace kemurina {

inline constexpr std::string_view kSetupRangeMessage = "有効範囲内にある半角数字を入れてください";
inline constexpr std::string_view kAlreadyRunningMessage = "プログラムは既に起動されています。";

// The setup dialog's size buttons in their order: short, standard, long (mm).
inline constexpr std::array<int, 3> kCigaretteLengths = {50, 85, 100};
inline constexpr int kStandardSizeIndex = 1;

inline constexpr int kMinCigarettesPerDay = 1;
inline constexpr int kMaxCigarettesPerDay = 200;
inline constexpr int kMinPackPrice = 1;
inline constexpr int kMaxPackPrice = 2000;

// The setup dialog's check. Both boxes are read by their leading number; when
// both lie in range the cigarettes a day, the pack price and the length of
// the chosen size go into s and nothing comes back. Otherwise s is left alone
// and the one message to show comes back, however many boxes were wrong.
std::optional<std::string_view> ApplySetup(std::string_view perDayText,
                                           std::string_view packPriceText, int sizeIndex,
                                           Settings& s);

// What the seasonal window shows for a quit moment.
struct SeasonView {
  std::string_view Caption;
  std::string_view Label1;
  std::string_view Label2;
  std::array<std::string_view, 2> Label3;
  std::array<bool, 3> Pictures;
  int Label2Top;
  int Label3SecondTop;
};

// True on the days that get a greeting before the main window opens.
bool IsSeasonalDate(const LocalTime& t);

// The greeting for the month and day of t; a day without one gives empty
// labels, no picture and the design caption.
SeasonView SeasonViewFor(const LocalTime& t);

}  // namespace kemurina
