#pragma once

#include <string>
#include <string_view>

#include "engine/progress.h"

namespace kemurina {

struct LengthRow {
  std::string_view Name;
  int LengthMm;
};

// Slots 1..710 of the comparison table in stored order (slot 0 unused).
const LengthRow* LengthTableRows();
inline constexpr int kLengthTableRows = 710;

// The row chosen for a length in millimetres (1..710), by the forward scan.
int ChooseLengthRow(double lengthMm);

struct LengthComparison {
  int Row = 1;
  std::string Name;      // after the override above 800 km
  std::string Caption;   // Label2(4): count / boxes / cartons, metres, name
  std::string Sentence;  // appended to SummarySentence
};

// The boxes and cartons shown are the snapshot's.
LengthComparison CompareLength(const ProgressSnapshot& snap);

}  // namespace kemurina
