#pragma once

#include <array>
#include <string_view>

namespace kemurina {

// Both dialogs answer any figure out of range with this one message.
inline constexpr std::string_view kRangeMessage = "有効範囲内にある半角数字を入れてください";

// The settings dialog's fixed choices besides the sizes (kCigaretteSizes),
// in the order the controls show them.

// Option2(0..2): the COPY+ modes; the index is the stored value.
inline constexpr std::array<std::string_view, 3> kCopyPlusCaptions{
    "OFF",
    "ON",
    "ON+喫煙年数→",
};

// Combo1: the status themes offered (a typed name is kept as typed).
inline constexpr std::array<std::string_view, 4> kStatusThemeNames{
    "ソルジャー",
    "コスモ",
    "会社モード",
    "日本旅行",
};

}  // namespace kemurina
