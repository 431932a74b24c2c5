#include "startup/local_time.h"

#include <tuple>

namespace kemurina {

bool IsLater(const LocalTime& a, const LocalTime& b) {
  return std::tie(a.Year, a.Month, a.Day, a.Hour, a.Minute) >
         std::tie(b.Year, b.Month, b.Day, b.Hour, b.Minute);
}

}  // namespace kemurina
