#pragma once

#include <compare>

namespace kemurina {

// A local date and time to the minute; seconds are dropped everywhere. Later
// minutes compare greater, field by field from the year down.
struct LocalTime {
  int Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0;

  friend auto operator<=>(const LocalTime&, const LocalTime&) = default;
};

}  // namespace kemurina
