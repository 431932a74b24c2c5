#pragma once

namespace kemurina {

// A local date and time to the minute; seconds are dropped everywhere.
struct LocalTime {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  int Hour = 0;
  int Minute = 0;

  friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

// True when a is a later minute than b.
bool IsLater(const LocalTime& a, const LocalTime& b);

}  // namespace kemurina
