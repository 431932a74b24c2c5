#include "engine/number_entry.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace kemurina {
namespace {

TEST(LeadingNumber, ReadsTheLongestLeadingDecimalRoundedDown) {
  struct Case {
    const char* text;
    int value;
  };
  const Case cases[] = {
      {"12abc", 12},
      {"", 0},
      {"abc", 0},
      {"30本", 30},
      {"-1", -1},
      {"+8", 8},
      {"007", 7},
      {"3.9", 3},
      {"12.9abc", 12},
      {"-3.5", -4},
      {"-3.0", -3},
      {".5", 0},
      {"-.5", -1},
      {"5.", 5},
      {"  42", 42},
      {"\t 7", 7},
      {"1 2", 1},
      {"1e5", 1},
      {"-", 0},
      {".", 0},
      {"--5", 0},
      // Only ASCII blanks are skipped; full-width blanks and digits are not numbers.
      {"\xE3\x80\x80"
       "5",
       0},
      {"３０", 0},
      // Beyond 32 bits the reading sticks at the limit.
      {"2147483647", INT_MAX},
      {"2147483648", INT_MAX},
      {"99999999999999999999999", INT_MAX},
      {"-2147483648", INT_MIN},
      {"-2147483648.5", INT_MIN},
      {"-99999999999999999999999", INT_MIN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(LeadingNumber(c.text), c.value);
  }
  EXPECT_EQ(LeadingNumber(std::string(1000, '9')), INT_MAX);
}

TEST(WholeFieldNumber, AcceptsOnlyANumberWithBlanksAround) {
  struct Case {
    const char* text;
    std::optional<int> value;
  };
  const Case cases[] = {
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"12a", std::nullopt},
      {"abc", std::nullopt},
      {"10本", std::nullopt},
      {"1 2", std::nullopt},
      {"-", std::nullopt},
      {".", std::nullopt},
      {"１０", std::nullopt},
      {" 99 ", 99},
      {"\t10\t", 10},
      {"-1", -1},
      {"+5", 5},
      {"0", 0},
      {"99999", 99999},
      {"3.7", 3},
      {"-3.2", -4},
      {"5.", 5},
      {".5", 0},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"2147483648", std::nullopt},
      {"-2147483648.1", std::nullopt},
      {"99999999999999999999", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(WholeFieldNumber(c.text), c.value);
  }
}

}  // namespace
}  // namespace kemurina
