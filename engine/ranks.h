#pragma once

#include <string_view>

namespace kemurina {

// The status rank for a theme name ("ソルジャー", "コスモ", "会社モード",
// "日本旅行", compared exactly). Empty for an unknown theme or when no rule
// holds (a negative day count).
std::string_view StatusRank(std::string_view modeName, int wholeDays, int years);

}  // namespace kemurina
