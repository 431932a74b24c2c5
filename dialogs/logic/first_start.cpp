#include "dialogs/logic/first_start.h"

#include "dialogs/logic/season_table.h"
#include "engine/number_entry.h"

namespace kemurina {

namespace {

const SeasonDesign* FindSeason(const LocalTime& t) {
  for (const SeasonDesign& season : kSeasons) {
    if (t.Month == season.Month && t.Day >= season.FirstDay && t.Day <= season.LastDay) {
      return &season;
    }
  }
  return nullptr;
}

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

std::optional<std::string_view> ApplySetup(std::string_view perDayText,
                                           std::string_view packPriceText, int sizeIndex,
                                           Settings& s) {
  const int perDay = LeadingNumber(perDayText);
  const int packPrice = LeadingNumber(packPriceText);
  int errors = 0;
  if (!InRange(perDay, kMinCigarettesPerDay, kMaxCigarettesPerDay)) ++errors;
  if (!InRange(packPrice, kMinPackPrice, kMaxPackPrice)) ++errors;
  if (errors != 0) return kSetupRangeMessage;

  s.CigarettesPerDay = perDay;
  s.PackPrice = packPrice;
  // One size button is always chosen; anything else reads as the standard.
  const bool known = sizeIndex >= 0 && sizeIndex < static_cast<int>(kCigaretteLengths.size());
  s.CigaretteLength =
      kCigaretteLengths[static_cast<size_t>(known ? sizeIndex : kStandardSizeIndex)];
  return std::nullopt;
}

bool IsSeasonalDate(const LocalTime& t) { return FindSeason(t) != nullptr; }

SeasonView SeasonViewFor(const LocalTime& t) {
  if (const SeasonDesign* season = FindSeason(t)) {
    return {season->Caption,  season->Label1,    season->Label2,         season->Label3,
            season->Pictures, season->Label2Top, season->Label3SecondTop};
  }
  return {
      kSeasonDesignCaption,        "", "", {"", ""}, {false, false, false}, kSeasonLabel2DesignTop,
      kSeasonLabel3SecondDesignTop};
}

}  // namespace kemurina
