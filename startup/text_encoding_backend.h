#pragma once

#include <optional>
#include <string>
#include <string_view>

// Strict conversions between UTF-8 and code page 932, each system with its own
// converter: nullopt for any byte sequence the other side cannot hold. The
// replacement rules built on them are text_encoding.cpp's.
namespace kemurina::encoding_backend {

std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

}  // namespace kemurina::encoding_backend
