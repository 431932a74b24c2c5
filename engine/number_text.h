#pragma once

#include <string>
#include <string_view>

namespace kemurina {

// " 12", " .85", "-3.5": a leading blank for x >= 0 or "-" for a negative
// value, the shortest form with up to 15 significant digits, no zero before the
// point below 1, no thousands separators.
std::string FormatStr(double x);

// FormatStr without its leading blank: "12", ".85", "0", "-3.5".
std::string PlainNumber(double x);

// Every ASCII digit, "." and "-" in t replaced by its full-width form.
std::string ToWideDigits(std::string_view t);

// The ordinary decimal text of a whole number ("-12", "300").
std::string Plain(long long n);

// Full-width ordinary decimal text of a whole number ("３００").
std::string Wide(long long n);

}  // namespace kemurina
