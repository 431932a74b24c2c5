// Code page 932 through the C library's iconv (glibc's "CP932").
#ifndef _WIN32

#include <iconv.h>

#include <cerrno>
#include <cstddef>

#include "startup/text_encoding_backend.h"

namespace kemurina::encoding_backend {
namespace {

std::optional<std::string> Convert(std::string_view in, const char* to, const char* from) {
  const iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  bool ok = true;
  char buffer[256];
  while (ok && !in.empty()) {
    // glibc's iconv takes a non-const input pointer but never writes through it.
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    // E2BIG only means the buffer is full: append it and go on.
    ok = result != static_cast<std::size_t>(-1) || errno == E2BIG;
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    in.remove_prefix(in.size() - inLeft);
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  return Convert(cp932, "UTF-8", "CP932");
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  return Convert(utf8, "CP932", "UTF-8");
}

}  // namespace kemurina::encoding_backend

#endif  // !_WIN32
