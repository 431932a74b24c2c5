#pragma once

#include <array>
#include <string>

#include "engine/progress.h"
#include "engine/summary.h"
#include "startup/settings.h"

namespace kemurina {

// Everything one refresh writes, computed without any window: the six value
// captions, the snapshot (colour, pictures, bar), the summary sentence and
// the mini window's text.
struct RefreshResult {
  ProgressSnapshot Snapshot;
  std::array<std::string, 6> Label2;
  int MessageIndex = 0;
  std::string SummarySentence;
  std::string SummaryText;
};

// luck is this refresh's draw (0..99); dayFormToggle is the flag as it stands
// when the refresh starts (the mini window's text carries the day form once).
RefreshResult ComputeRefresh(const Settings& s, const LocalTime& now, int luck, int dayFormToggle);

// The figures a summary takes from a refresh; the captions and the sentence
// are left for the caller to fill in.
SummaryInputs SummaryInputsFor(const Settings& s, const ProgressSnapshot& snap, int dayFormToggle);

// The elapsed caption in its two forms, from the figures of a snapshot.
std::string CalendarForm(const ProgressSnapshot& snap);
std::string DayForm(const ProgressSnapshot& snap);

}  // namespace kemurina
