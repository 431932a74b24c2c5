#include "engine/ranks.h"

#include <algorithm>
#include <cstddef>

#include "engine/rank_tables.h"
#include "startup/settings.h"

namespace kemurina {

namespace {

// In the order of kStatusThemeNames; kNone for a name outside it.
enum class Theme { kSoldier, kCosmo, kCompany, kTravel, kNone };
static_assert(static_cast<std::size_t>(Theme::kNone) == kStatusThemeNames.size());

// The theme names are compared byte for byte: an edited settings file with a
// stray blank or a half-width variant selects no theme at all.
Theme ThemeFromName(std::string_view name) {
  const auto* found = std::find(kStatusThemeNames.begin(), kStatusThemeNames.end(), name);
  return static_cast<Theme>(found - kStatusThemeNames.begin());
}

bool Holds(const LadderRule& r, int wholeDays, int years) {
  switch (r.rule) {
    case RankRule::kDaysEqual:
      return wholeDays == r.threshold;
    case RankRule::kDaysAbove:
      return wholeDays > r.threshold;
    case RankRule::kYearsAbove:
      return years > r.threshold;
    case RankRule::kYearsEqual:
      return years == r.threshold;
  }
  return false;
}

bool Holds(const TravelYearRule& r, int wholeDays, int years) {
  switch (r.rule) {
    case TravelRule::kLastDayOfFirstYear:
      return years == 0 && wholeDays == r.threshold;
    case TravelRule::kYearsAtLeast:
      return years >= r.threshold;
  }
  return false;
}

std::string_view LadderName(const LadderRule& r, Theme theme) {
  switch (theme) {
    case Theme::kSoldier:
      return r.soldier;
    case Theme::kCosmo:
      return r.cosmo;
    case Theme::kCompany:
      return r.company;
    default:
      return {};
  }
}

}  // namespace

// Every rule that holds overwrites the rank, so the last one wins; the year
// rules come last on purpose and outrank every day rule.
std::string_view StatusRank(std::string_view modeName, int wholeDays, int years) {
  const Theme theme = ThemeFromName(modeName);
  std::string_view rank;
  if (theme == Theme::kNone) return rank;

  if (theme == Theme::kTravel) {
    if (wholeDays >= 0 && wholeDays < static_cast<int>(kTravelPlaces.size())) {
      rank = kTravelPlaces[static_cast<std::size_t>(wholeDays)];
    }
    for (const TravelYearRule& r : kTravelYearRules) {
      if (Holds(r, wholeDays, years)) rank = r.place;
    }
    return rank;
  }

  for (const LadderRule& r : kLadderRules) {
    if (Holds(r, wholeDays, years)) rank = LadderName(r, theme);
  }
  return rank;
}

}  // namespace kemurina
