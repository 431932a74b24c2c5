#pragma once

#include <array>

namespace kemurina {

// Month lengths for the elapsed-time arithmetic. Entry 0 repeats December so
// that "the month before January" needs no special case; February is 28 here
// and is set per year where it is used.
inline constexpr std::array<int, 13> kMonthDays = {
    31,                                              // December of the year before
    31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31,  // January .. December
};

}  // namespace kemurina
