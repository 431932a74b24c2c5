#pragma once

#include <optional>
#include <string_view>

namespace kemurina {

// Reading of a numeric text box by its leading number: leading blanks skipped,
// the longest prefix that forms a decimal number (sign, digits, fraction),
// no number reads 0, rounded down. Saturates at the 32-bit limits.
int LeadingNumber(std::string_view text);

// The whole field, blanks around it allowed, must be a decimal number; it is
// rounded down. Anything else (or a value beyond 32 bits) gives nullopt.
std::optional<int> WholeFieldNumber(std::string_view text);

}  // namespace kemurina
