#include "engine/messages.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>

#include "engine/message_table.h"

namespace kemurina {

std::string_view MessageText(int row) {
  if (row < 0 || row >= kMessageRows) return {};
  return kMessageTable[static_cast<std::size_t>(row)];
}

int ChooseMessageIndex(int wholeDays, int years, int months, int luck) {
  // A quit moment later than now (the clock was set back) has no row of its
  // own; the day-0 greeting is the least surprising thing to show.
  if (wholeDays < 0) return 0;

  int index = 0;
  // The first month: one line per day.
  if (years == 0 && months == 0) index = wholeDays;
  // Months 1..11: the month's congratulation (the year rule below may still
  // replace it).
  if (months >= 1 && months <= 11) index = 31 + months;
  if (years > 0) index = 43;

  // The duck milestones go by the day count alone, so they replace the month
  // line although the calendar already shows a month.
  constexpr std::pair<int, int> kMilestoneRows[] = {{33, 44}, {34, 55}, {35, 56},
                                                    {44, 57}, {55, 58}, {66, 59}};
  for (const auto& [day, row] : kMilestoneRows) {
    if (wholeDays == day) index = row;
  }

  // Rare warnings against relapse in place of a month congratulation.
  if (index > 31 && index < 43) {
    if (luck == 1 || luck == 2) {
      index = 45;
    } else if (luck == 3) {
      index = 46;
    } else if (luck == 4) {
      index = 47;
    }
  }

  // Random variants of days 1 to 3. Each test looks at the index as left by
  // the one before, so a variant row is never turned into another variant.
  struct Variants {
    int day, high, low, middle;  // rows for luck above 70, below 20, 21..29
  };
  // Day 3 has only the one variant: its other rows are its own.
  for (const Variants& v :
       {Variants{1, 48, 49, 50}, Variants{2, 51, 52, 53}, Variants{3, 54, 3, 3}}) {
    if (index != v.day) continue;
    if (luck > 70) {
      index = v.high;
    } else if (luck < 20) {
      index = v.low;
    } else if (luck > 20 && luck < 30) {
      index = v.middle;
    }
  }

  // Inputs no real calendar breakdown produces (say months 0 with day 80)
  // would point past the table; fall back to the day-0 line rather than show
  // an empty caption.
  if (index < 0 || index >= kMessageRows) return 0;
  return index;
}

int DrawLuck(std::uint64_t clockSeed) {
  std::mt19937_64 generator(clockSeed);
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  const double r = uniform(generator);
  // Some library versions can round r up to exactly 1.0; keep Luck in 0..99.
  return std::min(static_cast<int>(std::floor(r * 100.0)), 99);
}

}  // namespace kemurina
