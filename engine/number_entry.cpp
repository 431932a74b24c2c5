#include "engine/number_entry.h"

#include <algorithm>
#include <climits>
#include <cstddef>

namespace kemurina {

namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Past this the magnitude only needs to be known as "too large for 32 bits".
constexpr long long kMagnitudeCap = 1LL << 40;

struct Decimal {
  std::size_t length = 0;  // characters taken; 0 when no number starts here
  long long floorValue = 0;
};

// The longest decimal number (optional sign, digits, optional point and
// fraction) at the start of text, rounded down. Digits may stand on either
// side of the point, but at least one must be there.
Decimal ReadDecimal(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  long long magnitude = 0;
  bool anyDigit = false;
  while (i < text.size() && IsDigit(text[i])) {
    magnitude = std::min(magnitude * 10 + (text[i] - '0'), kMagnitudeCap);
    anyDigit = true;
    ++i;
  }
  bool fraction = false;  // a non-zero digit after the point
  std::size_t end = i;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      fraction = fraction || text[i] != '0';
      anyDigit = true;
      ++i;
    }
    // A lone point with no digit on either side is not part of a number.
    if (anyDigit) {
      end = i;
    }
  }
  if (!anyDigit) {
    return {};
  }
  long long value = negative ? -magnitude : magnitude;
  if (negative && fraction) {
    --value;  // -3.5 rounds down to -4
  }
  return {end, value};
}

}  // namespace

int LeadingNumber(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) {
    ++start;
  }
  const Decimal d = ReadDecimal(text.substr(start));
  return static_cast<int>(std::clamp<long long>(d.floorValue, INT_MIN, INT_MAX));
}

std::optional<int> WholeFieldNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  const Decimal d = ReadDecimal(text);
  if (d.length == 0 || d.length != text.size()) {
    return std::nullopt;
  }
  if (d.floorValue < INT_MIN || d.floorValue > INT_MAX) {
    return std::nullopt;
  }
  return static_cast<int>(d.floorValue);
}

}  // namespace kemurina
