#pragma once

#include <array>
#include <cstddef>

namespace kemurina {

// The one calendar of the program: the figures' month walk, the reading of
// initial.ini and the settings dialog's date checks all count days by it.

// Every fourth year, but a century only when it divides by 400.
constexpr bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Month lengths with a 28-day February. Entry 0 repeats December so that "the
// month before January" needs no special case; entries 1..12 are the months.
using MonthTable = std::array<int, 13>;
inline constexpr MonthTable kMonthDays = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr int FebruaryDays(int year) { return IsLeapYear(year) ? 29 : 28; }

// Days of a month 1..12 of the given year.
constexpr int DaysInMonth(int year, int month) {
  return month == 2 ? FebruaryDays(year) : kMonthDays[static_cast<std::size_t>(month)];
}

// Leap years from a fixed origin up to year y, so that the difference of two
// counts is the number of leap years between them, for any y.
constexpr long long LeapYearsUpTo(long long y) {
  const auto floorDiv = [](long long a, long long b) { return a / b - (a % b < 0 ? 1 : 0); };
  return floorDiv(y, 4) - floorDiv(y, 100) + floorDiv(y, 400);
}

}  // namespace kemurina
