#include "engine/number_entry.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <string_view>

namespace kemurina {
namespace {

// The leading number (rounded down, stuck at the 32-bit limits) and the
// whole-field number (nothing but blanks around it) of each text, or of its
// first `size` bytes: nothing past a text's end is read.
TEST(NumberEntry, LeadingAndWholeFieldReadings) {
  // clang-format off
  constexpr std::nullopt_t kNone = std::nullopt;
  const struct { std::string text; int leading; std::optional<int> whole; std::size_t size = 1000; }
      cases[] = {
      {"12abc", 12, kNone}, {"", 0, kNone}, {"   ", 0, kNone}, {"abc", 0, kNone},
      {"30本", 30, kNone}, {"-1", -1, -1}, {"+8", 8, 8}, {"0", 0, 0}, {"007", 7, 7},
      {"99999", 99999, 99999}, {"3.9", 3, 3}, {"12.9abc", 12, kNone}, {"-3.5", -4, -4},
      {"-3.2", -4, -4}, {"-3.0", -3, -3}, {".5", 0, 0}, {"-.5", -1, -1}, {"5.", 5, 5},
      {"  42", 42, 42}, {"\t 7", 7, 7}, {" 99 ", 99, 99}, {"\t10\t", 10, 10}, {"1 2", 1, kNone},
      {"1e5", 1, kNone}, {"-", 0, kNone}, {".", 0, kNone}, {"--5", 0, kNone},
      {"1299", 12, 12, 2}, {"-3.09", -3, -3, 4}, {"5.5", 5, 5, 1}, {"  7", 0, kNone, 1},
      // Only ASCII blanks are skipped; full-width blanks and digits are not numbers.
      {"\xE3\x80\x80" "5", 0, kNone}, {"３０", 0, kNone},
      {"2147483647", INT_MAX, INT_MAX}, {"2147483648", INT_MAX, kNone},
      {"99999999999999999999999", INT_MAX, kNone}, {std::string(1000, '9'), INT_MAX, kNone},
      {"-2147483648", INT_MIN, INT_MIN}, {"-2147483648.1", INT_MIN, kNone},
      {"-2147483648.5", INT_MIN, kNone}, {"-99999999999999999999999", INT_MIN, kNone}};
  // clang-format on
  for (const auto& c : cases) {
    const std::string_view text = std::string_view(c.text).substr(0, c.size);
    EXPECT_EQ(LeadingNumber(text), c.leading) << text.substr(0, 30);
    EXPECT_EQ(WholeFieldNumber(text), c.whole) << text.substr(0, 30);
  }
}

}  // namespace
}  // namespace kemurina
