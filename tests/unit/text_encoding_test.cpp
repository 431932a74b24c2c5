#include "startup/text_encoding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kemurina {
namespace {

// The rows where converters are known to part ways (Windows' own table and
// glibc's); every build must give these same bytes, so that a file written on
// one system reads the same on the other.
TEST(TextEncoding, SameBytesOnEverySystem) {
  // clang-format off
  const struct { std::string utf8, cp932; } writes[] = {
      {"～", "\x81\x60"}, {"〜", "\x81\x60"}, {"―", "\x81\x5C"}, {"—", "\x81\x5C"},
      {"−", "\x81\x7C"}, {"－", "\x81\x7C"}, {"∥", "\x81\x61"}, {"‖", "\x81\x61"},
      {"￠", "\x81\x91"}, {"¢", "\x81\x91"}, {"￡", "\x81\x92"}, {"£", "\x81\x92"},
      {"￢", "\x81\xCA"}, {"¬", "\x81\xCA"}, {"¥", "\\"}, {"‾", "~"}, {"\\~", "\\~"},
      {"①", "\x87\x40"}, {"ⅰ", "\xFA\x40"}, {"\uE000", "\xF0\x40"}, {"ｱ", "\xB1"},
      {"\u0080", "?"}, {"\uF8F0\uF8F3", "??"}, {"\xC0\x80", "?"}, {"\xED\xA0\x80", "?"}};
  const struct { std::string cp932; std::optional<std::string> utf8; } reads[] = {
      {"\x81\x60", "～"}, {"\x81\x5C", "―"}, {"\x81\x7C", "－"}, {"\x81\x61", "∥"},
      {"\x81\x91", "￠"}, {"\x5C\x7E", "\\~"}, {"\xEE\xFC", "＂"}, {"\xF0\x40", "\uE000"},
      {"\xA1\xDF", "｡ﾟ"}, {"\x80", std::nullopt}, {"\xA0", std::nullopt},
      {"\xFD", std::nullopt}, {"\xFF", std::nullopt}, {"\x85\x40", std::nullopt},
      {"\x81", std::nullopt}, {"a\x81", std::nullopt}};
  // clang-format on
  for (const auto& c : writes) EXPECT_EQ(Utf8ToCp932Lossy(c.utf8), c.cp932) << c.utf8;
  for (const auto& c : reads) EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8) << c.cp932;
}

}  // namespace
}  // namespace kemurina
