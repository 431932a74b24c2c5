#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace kemurina {
namespace {

// A blank or "-", then the shortest decimal of up to 15 significant digits
// (rounding may carry into a new digit), no zero before the point, never an
// exponent nor separators; PlainNumber drops only the blank.
TEST(FormatStr, BlankOrMinusThenShortestDecimal) {
  // clang-format off
  const std::pair<double, std::string> cases[] = {
      {0, " 0"}, {-0.0, " 0"}, {12, " 12"}, {300, " 300"}, {0.85, " .85"}, {0.07, " .07"},
      {-0.5, "-.5"}, {-3.5, "-3.5"}, {-0.17, "-.17"}, {1.7, " 1.7"}, {10.5, " 10.5"},
      {0.00001, " .00001"}, {-1e-7, "-.0000001"}, {0.1 + 0.2, " .3"},
      {1.0 / 3, " .333333333333333"}, {2.0 / 3, " .666666666666667"},
      {99999999999999.9, " 99999999999999.9"}, {999999999999999.9, " 1000000000000000"},
      {29800000000.0, " 29800000000"}, {123456789012345678.0, " 123456789012346000"},
      {1e20, " 100000000000000000000"}};
  // clang-format on
  for (const auto& [x, text] : cases) {
    EXPECT_EQ(FormatStr(x), text);
    EXPECT_EQ(PlainNumber(x), text[0] == ' ' ? text.substr(1) : text);
  }
}

TEST(WideDigits, DigitsPointAndMinusBecomeFullWidth) {
  // The point is U+FF0E and the minus U+FF0D, not a dash or a long-vowel mark;
  // everything else, multi-byte text included, passes through.
  EXPECT_EQ(ToWideDigits("0123456789"), "０１２３４５６７８９");
  EXPECT_EQ(ToWideDigits("-1.5"), "\xEF\xBC\x8D\xEF\xBC\x91\xEF\xBC\x8E\xEF\xBC\x95");
  EXPECT_EQ(ToWideDigits(".17"), "．１７");
  EXPECT_EQ(ToWideDigits("a 1本ｍ"), "a １本ｍ");
  EXPECT_EQ(ToWideDigits(""), "");
  EXPECT_EQ((std::vector{Plain(300), Plain(0), Plain(-12), Plain(LLONG_MIN)}),
            (std::vector<std::string>{"300", "0", "-12", "-9223372036854775808"}));
  EXPECT_EQ((std::vector{Wide(300), Wide(0), Wide(-12)}),
            (std::vector<std::string>{"３００", "０", "－１２"}));
}

}  // namespace
}  // namespace kemurina
