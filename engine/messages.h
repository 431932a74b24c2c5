#pragma once

#include <cstdint>
#include <string_view>

namespace kemurina {

inline constexpr int kMessageRows = 60;
std::string_view MessageText(int row);  // rows 0..59

// The message row for one refresh; luck is 0..99. A negative day count (a quit
// moment later than now) gives row 0.
int ChooseMessageIndex(int wholeDays, int years, int months, int luck);

// Luck = floor(r * 100) for one uniform r in [0, 1) from a generator seeded
// with the given clock value.
int DrawLuck(std::uint64_t clockSeed);

}  // namespace kemurina
