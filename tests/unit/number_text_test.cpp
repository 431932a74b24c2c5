#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace kemurina {
namespace {

TEST(FormatStr, BlankOrMinusThenShortestDecimal) {
  struct Case {
    double x;
    const char* text;
  };
  const Case cases[] = {
      {0, " 0"},
      {-0.0, " 0"},
      {12, " 12"},
      {300, " 300"},
      {0.85, " .85"},
      {0.07, " .07"},
      {-0.5, "-.5"},
      {-3.5, "-3.5"},
      {1.7, " 1.7"},
      {10.5, " 10.5"},
      {0.00001, " .00001"},
      // 15 significant digits, trailing zeros dropped.
      {0.1 + 0.2, " .3"},
      {1.0 / 3, " .333333333333333"},
      {2.0 / 3, " .666666666666667"},
      {99999999999999.9, " 99999999999999.9"},
      // Rounding to 15 digits carries into a new leading digit.
      {999999999999999.9, " 1000000000000000"},
      // Large values stay in positional form, no exponent, no separators.
      {29800000000.0, " 29800000000"},
      {123456789012345678.0, " 123456789012346000"},
      {1e20, " 100000000000000000000"},
      {-1e-7, "-.0000001"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatStr(c.x), c.text);
  }
}

TEST(FormatStr, PlainNumberDropsOnlyTheBlank) {
  EXPECT_EQ(PlainNumber(12), "12");
  EXPECT_EQ(PlainNumber(0.85), ".85");
  EXPECT_EQ(PlainNumber(0), "0");
  EXPECT_EQ(PlainNumber(-3.5), "-3.5");
  EXPECT_EQ(PlainNumber(-0.17), "-.17");
}

TEST(WideDigits, DigitsPointAndMinusBecomeFullWidth) {
  EXPECT_EQ(ToWideDigits("123"), "１２３");
  EXPECT_EQ(ToWideDigits("0123456789"), "０１２３４５６７８９");
  // The point is U+FF0E and the minus U+FF0D, not a dash or a long-vowel mark.
  EXPECT_EQ(ToWideDigits("-1.5"), "\xEF\xBC\x8D\xEF\xBC\x91\xEF\xBC\x8E\xEF\xBC\x95");
  EXPECT_EQ(ToWideDigits(".17"), "．１７");
  // Everything else, multi-byte text included, passes through untouched.
  EXPECT_EQ(ToWideDigits("a 1本ｍ"), "a １本ｍ");
  EXPECT_EQ(ToWideDigits(""), "");
}

TEST(WideDigits, WholeNumbersInOrdinaryForm) {
  EXPECT_EQ(Plain(300), "300");
  EXPECT_EQ(Plain(0), "0");
  EXPECT_EQ(Plain(-12), "-12");
  EXPECT_EQ(Plain(LLONG_MIN), "-9223372036854775808");
  EXPECT_EQ(Wide(300), "３００");
  EXPECT_EQ(Wide(0), "０");
  EXPECT_EQ(Wide(-12), "－１２");
}

}  // namespace
}  // namespace kemurina
