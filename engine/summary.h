#pragma once

#include <string>
#include <string_view>

#include "engine/progress.h"
#include "startup/settings.h"

namespace kemurina {

// What the two clipboard texts are made of: the settings, the figures left by
// the last refresh and the captions as the main window shows them.
struct SummaryInputs {
  const Settings* settings = nullptr;
  const ProgressSnapshot* snapshot = nullptr;
  int DayFormToggle = 0;
  std::string_view ElapsedCaption{};  // Label2(0)
  std::string_view MoneyCaption{};    // Label2(2)
  std::string_view StatusCaption{};   // Label2(3)
  std::string_view CountCaption{};    // Label2(4)
  std::string_view SummarySentence{};
};

// "小", "中", "大" for 50, 85, 100 mm; empty for any other length.
std::string_view SizeWord(int cigaretteLength);

// Six lines joined by CRLF, no break after the last; empty for a CopyPlusMode
// outside 0..2.
std::string ComposeFullSummary(const SummaryInputs& in);

// One paragraph for short-message posting; empty for a CopyPlusMode outside 0..2.
std::string ComposeShortSummary(const SummaryInputs& in);

}  // namespace kemurina
