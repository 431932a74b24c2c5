// Code page 932 through the Windows conversion calls.
#ifdef _WIN32

#include <windows.h>

#include <algorithm>
#include <climits>
#include <iterator>

#include "startup/text_encoding_backend.h"

namespace kemurina::encoding_backend {
namespace {

constexpr UINT kCp932 = 932;

// Byte sequences the Windows table maps although they are no characters of
// code page 932 (0x80, 0xA0 and 0xFD to 0xFF stand alone as private or control
// codes there); they are turned down as iconv turns them down, so that a file
// reads the same on both systems.
// Where the two tables differ in writing, iconv's is followed: it also writes
// some look-alikes (the yen sign, the wave dash, the minus sign...), and has
// no code for U+0080 and the private characters Windows gives the stand-alone
// bytes (empty here).
struct Difference {
  wchar_t Character;
  std::string_view Bytes;
};
constexpr Difference kDifferences[] = {
    {L'\u00A2', "\x81\x91"}, {L'\u00A3', "\x81\x92"}, {L'\u00A5', "\x5C"}, {L'\u00AC', "\x81\xCA"},
    {L'\u2014', "\x81\x5C"}, {L'\u2016', "\x81\x61"}, {L'\u203E', "\x7E"}, {L'\u2212', "\x81\x7C"},
    {L'\u301C', "\x81\x60"}, {L'\u0080', ""},         {L'\uF8F0', ""},     {L'\uF8F1', ""},
    {L'\uF8F2', ""},         {L'\uF8F3', ""}};

bool OnlyCp932Characters(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b == 0x80 || b == 0xA0 || b >= 0xFD) return false;
    if ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) ++i;  // the trail byte
  }
  return true;
}

std::optional<std::wstring> ToWide(UINT codePage, std::string_view in) {
  if (in.empty()) return std::wstring();
  if (in.size() > INT_MAX) return std::nullopt;
  const int size = static_cast<int>(in.size());
  const int length =
      MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, in.data(), size, wide.data(), length);
  return wide;
}

std::optional<std::string> FromWide(UINT codePage, const std::wstring& wide) {
  if (wide.empty()) return std::string();
  if (wide.size() > INT_MAX) return std::nullopt;
  const int size = static_cast<int>(wide.size());
  // UTF-8 reports characters it cannot take as errors; code page 932 puts in
  // its default character and says so, and must not fall back on look-alikes.
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultPtr = utf8 ? nullptr : &usedDefault;
  const int length =
      WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefaultPtr);
  if (length <= 0 || usedDefault) return std::nullopt;
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), size, out.data(), length, nullptr, nullptr);
  return out;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
  if (!OnlyCp932Characters(cp932)) return std::nullopt;
  const auto wide = ToWide(kCp932, cp932);
  if (!wide) return std::nullopt;
  return FromWide(CP_UTF8, *wide);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  const auto wide = ToWide(CP_UTF8, utf8);
  if (!wide) return std::nullopt;
  std::string out;
  std::wstring run;  // characters both tables write alike, converted together
  const auto flushRun = [&] {
    const auto converted = FromWide(kCp932, run);
    run.clear();
    if (converted) out += *converted;
    return converted.has_value();
  };
  for (const wchar_t c : *wide) {
    const auto d = std::ranges::find(kDifferences, c, &Difference::Character);
    if (d == std::end(kDifferences)) {
      run += c;
    } else if (d->Bytes.empty() || !flushRun()) {
      return std::nullopt;
    } else {
      out += d->Bytes;
    }
  }
  if (!flushRun()) return std::nullopt;
  return out;
}

}  // namespace kemurina::encoding_backend

#endif  // _WIN32
