#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kemurina {

// Conversions between the UTF-8 held in memory and the code page 932
// (Shift_JIS) of the settings files. Only the file reader and writer use them.

// nullopt when the bytes are not valid code page 932.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);

// Never fails: each character code page 932 cannot hold, and each byte that is
// not part of a valid UTF-8 character, becomes one "?".
std::string Utf8ToCp932Lossy(std::string_view utf8);

}  // namespace kemurina
