#pragma once

#include <array>
#include <string_view>

namespace kemurina {

// The settings dialog's fixed choices, in the order the controls show them.

// Option1(0..2): the cigarette sizes and the length in millimetres each stands for.
struct SizeChoice {
  std::string_view Caption;
  int Millimetres;
};
inline constexpr std::array<SizeChoice, 3> kSizeChoices{{
    {"ショート", 50},
    {"スタンダード", 85},
    {"ロング", 100},
}};

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
