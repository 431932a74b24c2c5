#pragma once

#include <array>
#include <string>

#include "engine/progress.h"
#include "engine/summary.h"
#include "startup/settings.h"

namespace kemurina {

// The character pictures of one stage. They are counted along one row:
// Image1(10), Image1(11), Image1(12), Image3(0), Image3(1), Image3(2).
struct StagePictures {
  std::array<int, 3> Shown;  // in the order they are shown; the first Count count
  int Count;
  bool MovedDown;  // to top 2850, where the progress bar was
};

// Everything one refresh writes, computed without any window: the six value
// captions, the snapshot (colour, pictures, bar), the summary sentence and
// the mini window's text.
struct RefreshResult {
  ProgressSnapshot Snapshot;
  std::array<std::string, 6> Label2;
  StagePictures Pictures;
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
