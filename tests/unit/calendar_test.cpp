#include "startup/calendar.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace kemurina {
namespace {

// The leap rule, the month lengths it makes and the leap-year count the month
// walk sums whole years with must all tell the same calendar.
TEST(Calendar, LeapYearsAndMonthLengths) {
  const std::pair<int, int> februaries[] = {{2023, 28}, {2024, 29}, {1900, 28}, {2000, 29},
                                            {2100, 28}, {2400, 29}, {0, 29},    {-4, 29},
                                            {-100, 28}, {9999, 28}};
  for (const auto& [year, days] : februaries) {
    EXPECT_EQ(DaysInMonth(year, 2), days) << year;
  }
  const std::array<int, 12> months = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(DaysInMonth(2023, m), months[m - 1]) << m;
  EXPECT_EQ(kMonthDays[0], 31);  // the December before January
  for (int year = -1000; year <= 3000; ++year) {
    ASSERT_EQ(LeapYearsUpTo(year) - LeapYearsUpTo(year - 1), IsLeapYear(year) ? 1 : 0) << year;
  }
}

}  // namespace
}  // namespace kemurina
