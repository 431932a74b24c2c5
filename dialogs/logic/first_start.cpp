#include "dialogs/logic/first_start.h"

#include "dialogs/logic/settings_choices.h"
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

}  // namespace

std::optional<std::string_view> ApplySetup(std::string_view perDayText,
                                           std::string_view packPriceText, int sizeIndex,
                                           Settings& s) {
  const int perDay = LeadingNumber(perDayText);
  const int packPrice = LeadingNumber(packPriceText);
  int errors = 0;
  if (!InRange(perDay, 1, kMaxCigarettesPerDay)) ++errors;
  if (!InRange(packPrice, 1, kMaxPackPrice)) ++errors;
  if (errors != 0) return kRangeMessage;

  s.CigarettesPerDay = perDay;
  s.PackPrice = packPrice;
  // One size button is always chosen; anything else reads as the standard.
  const bool known = InRange(sizeIndex, 0, static_cast<int>(kCigaretteSizes.size()) - 1);
  s.CigaretteLength =
      kCigaretteSizes[static_cast<size_t>(known ? sizeIndex : kStandardSizeIndex)].Millimetres;
  return std::nullopt;
}

bool IsSeasonalDate(const LocalTime& t) { return FindSeason(t) != nullptr; }

SeasonView SeasonViewFor(const LocalTime& t) {
  if (const SeasonDesign* season = FindSeason(t)) return season->View;
  return {
      kSeasonDesignCaption,        "", "", {"", ""}, {false, false, false}, kSeasonLabel2DesignTop,
      kSeasonLabel3SecondDesignTop};
}

}  // namespace kemurina
