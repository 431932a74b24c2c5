#include "startup/text_encoding.h"

#include <cstddef>

#include "startup/text_encoding_backend.h"

namespace kemurina {
namespace {

// Length of the UTF-8 character starting at text[0]; an invalid lead byte or a
// broken sequence counts as a single byte so that what follows is kept.
std::size_t Utf8CharLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 1;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
  }
  if (length > text.size()) return 1;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  return encoding_backend::Cp932ToUtf8(cp932);
}

std::string Utf8ToCp932Lossy(std::string_view utf8) {
  if (auto whole = encoding_backend::Utf8ToCp932(utf8)) return *whole;
  // Character by character: code page 932 keeps no state between characters,
  // so each one converts alone exactly as it would in the whole text. ASCII is
  // the same in both and is copied, which keeps it even without a converter.
  std::string out;
  while (!utf8.empty()) {
    const std::size_t length = Utf8CharLength(utf8);
    const std::string_view character = utf8.substr(0, length);
    if (static_cast<unsigned char>(character[0]) < 0x80) {
      out += character;
    } else if (auto converted = encoding_backend::Utf8ToCp932(character)) {
      out += *converted;
    } else {
      out += '?';
    }
    utf8.remove_prefix(length);
  }
  return out;
}

}  // namespace kemurina
