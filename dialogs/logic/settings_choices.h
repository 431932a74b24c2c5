#pragma once

#include <array>
#include <string_view>

#include "startup/settings.h"

namespace kemurina {

// Both dialogs answer any figure out of range with this one message.
inline constexpr std::string_view kRangeMessage = "有効範囲内にある半角数字を入れてください";

// Option2(0..2): the COPY+ modes; the index is the stored value. (The dialog's
// other fixed choices are kCigaretteSizes and kStatusThemeNames.)
inline constexpr std::array<std::string_view, 3> kCopyPlusCaptions{
    "OFF",
    "ON",
    "ON+喫煙年数→",
};

}  // namespace kemurina
