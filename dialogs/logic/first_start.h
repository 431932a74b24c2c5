#pragma once

#include <optional>
#include <string_view>

#include "dialogs/logic/season_table.h"
#include "startup/local_time.h"
#include "startup/settings.h"

namespace kemurina {

// The setup dialog's check. Both boxes are read by their leading number; when
// both lie in range the cigarettes a day, the pack price and the length of
// the chosen size (of kCigaretteSizes) go into s and nothing comes back.
// Otherwise s is left alone and the one message to show comes back, however
// many boxes were wrong.
std::optional<std::string_view> ApplySetup(std::string_view perDayText,
                                           std::string_view packPriceText, int sizeIndex,
                                           Settings& s);

// True on the days that get a greeting before the main window opens.
bool IsSeasonalDate(const LocalTime& t);

// The greeting for the month and day of t; a day without one gives empty
// labels, no picture and the design caption.
SeasonView SeasonViewFor(const LocalTime& t);

}  // namespace kemurina
