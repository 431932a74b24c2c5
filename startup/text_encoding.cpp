#include "startup/text_encoding.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

namespace kemurina {
namespace {

constexpr const char* kUtf8 = "UTF-8";
constexpr const char* kCp932 = "CP932";

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (Valid()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts from `in` onwards, appending to `out`, until the input is used up
  // (returns 0) or a byte sequence cannot be converted (returns the errno, with
  // `in` left at the offending sequence).
  int Run(std::string_view& in, std::string& out) {
    char buffer[256];
    while (!in.empty()) {
      // glibc's iconv takes a non-const input pointer but never writes through it.
      char* inPtr = const_cast<char*>(in.data());
      std::size_t inLeft = in.size();
      char* outPtr = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
      const int error = result == static_cast<std::size_t>(-1) ? errno : 0;
      out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
      in.remove_prefix(in.size() - inLeft);
      if (error != 0 && error != E2BIG) return error;
    }
    return 0;
  }

 private:
  iconv_t cd_;
};

std::optional<std::string> ConvertStrict(std::string_view in, const char* to, const char* from) {
  Converter converter(to, from);
  if (!converter.Valid()) return std::nullopt;
  std::string out;
  if (converter.Run(in, out) != 0) return std::nullopt;
  return out;
}

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
  return ConvertStrict(cp932, kUtf8, kCp932);
}

std::string Utf8ToCp932Lossy(std::string_view utf8) {
  std::string out;
  Converter converter(kCp932, kUtf8);
  if (!converter.Valid()) {
    // Without a converter only plain ASCII can be written faithfully.
    while (!utf8.empty()) {
      const bool ascii = static_cast<unsigned char>(utf8[0]) < 0x80;
      out += ascii ? utf8[0] : '?';
      utf8.remove_prefix(ascii ? 1 : Utf8CharLength(utf8));
    }
    return out;
  }
  while (converter.Run(utf8, out) != 0) {
    out += '?';
    utf8.remove_prefix(Utf8CharLength(utf8));
  }
  return out;
}

}  // namespace kemurina
