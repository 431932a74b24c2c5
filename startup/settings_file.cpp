#include "startup/settings_file.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "startup/calendar.h"
#include "startup/file_io.h"
#include "startup/text_encoding.h"

namespace kemurina {
namespace {

// Each file's items in file order: the one list that writing, reading and the
// defaults all go by.
using Field = std::variant<int Settings::*, std::string Settings::*>;

constexpr std::array<Field, 8> kInitialFields{
    &Settings::QuitYear,  &Settings::QuitMonth,       &Settings::QuitDay,
    &Settings::QuitHour,  &Settings::QuitMinute,      &Settings::CigarettesPerDay,
    &Settings::PackPrice, &Settings::CigaretteLength,
};

constexpr std::array<Field, 15> kOptionFields{
    &Settings::SetupDone,
    &Settings::TobaccoTaxPer1000,
    &Settings::ConsumptionTaxPercent,
    &Settings::CopyPlusMode,
    &Settings::SmokingYears,
    &Settings::ShowBoxes,
    &Settings::MainLeft,
    &Settings::MainTop,
    &Settings::TextBackColor,
    &Settings::TextForeColor,
    &Settings::BbsUrl,
    &Settings::WindowMode,
    &Settings::MiniLeft,
    &Settings::MiniTop,
    &Settings::StatusModeName,
};

// Both files are a few dozen bytes; reading stops here so that a stray huge
// file cannot eat the memory. Items that do not end within it are missing.
constexpr std::size_t kMaxReadBytes = 64 * 1024;

// Numbers in decimal, texts between double quotes as held (a quote inside is
// not escaped), single commas, CRLF.
std::string FileBytes(const Settings& s, std::span<const Field> fields) {
  std::string line;
  for (const Field& field : fields) {
    if (!line.empty()) line += ',';
    if (const auto* number = std::get_if<int Settings::*>(&field)) {
      line += std::to_string(s.**number);
    } else {
      line += '"' + Utf8ToCp932Lossy(s.*std::get<std::string Settings::*>(field)) + '"';
    }
  }
  return line + "\r\n";
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }

// Splits the first `count` items off the file bytes. Items end at a comma or
// a line end; a quoted item runs to the next double quote, and whatever stands
// between that quote and the separator is dropped. Works on the raw code page
// 932 bytes: no trail byte of a double-byte character is a comma, quote, blank
// or line end.
std::optional<std::vector<std::string_view>> SplitItems(std::string_view bytes, std::size_t count) {
  std::vector<std::string_view> items;
  std::size_t pos = 0;
  const std::size_t size = bytes.size();
  while (items.size() < count) {
    while (pos < size && IsBlank(bytes[pos])) ++pos;
    if (pos == size) return std::nullopt;  // too few items

    if (bytes[pos] == '"') {
      const std::size_t close = bytes.find('"', pos + 1);
      if (close == std::string_view::npos) return std::nullopt;
      items.push_back(bytes.substr(pos + 1, close - pos - 1));
      pos = close + 1;
      while (pos < size && !IsSeparator(bytes[pos])) ++pos;
    } else {
      std::size_t end = pos;
      while (end < size && !IsSeparator(bytes[end])) ++end;
      std::size_t last = end;
      while (last > pos && IsBlank(bytes[last - 1])) --last;
      items.push_back(bytes.substr(pos, last - pos));
      pos = end;
    }

    if (pos < size) {
      if (bytes[pos] == '\r' && pos + 1 < size && bytes[pos + 1] == '\n') ++pos;
      ++pos;
    }
  }
  return items;
}

// One item into its field of `read`; false when it does not fit the field.
bool ReadItem(std::string_view item, const Field& field, Settings& read) {
  if (const auto* number = std::get_if<int Settings::*>(&field)) {
    const char* const last = item.data() + item.size();
    const auto [end, error] = std::from_chars(item.data(), last, read.**number);
    return error == std::errc{} && end == last;
  }
  auto text = Cp932ToUtf8(item);
  if (text) read.*std::get<std::string Settings::*>(field) = std::move(*text);
  return text.has_value();
}

// The file's fields read over a copy of s, so that a damaged file leaves
// every field as it was; nothing when any item is missing or does not fit.
std::optional<Settings> ReadFields(std::string_view bytes, std::span<const Field> fields,
                                   const Settings& s) {
  const auto items = SplitItems(bytes, fields.size());
  if (!items) return std::nullopt;
  Settings read = s;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (!ReadItem((*items)[i], fields[i], read)) return std::nullopt;
  }
  return read;
}

void CopyFields(const Settings& from, std::span<const Field> fields, Settings& to) {
  for (const Field& field : fields) {
    std::visit([&](auto member) { to.*member = from.*member; }, field);
  }
}

}  // namespace

bool IsUsableInitial(const Settings& s) {
  return InRange(s.QuitYear, 1, 9999) && InRange(s.QuitMonth, 1, 12) &&
         InRange(s.QuitDay, 1, DaysInMonth(s.QuitYear, s.QuitMonth)) &&
         InRange(s.QuitHour, 0, 23) && InRange(s.QuitMinute, 0, 59) && s.CigarettesPerDay >= 1 &&
         s.PackPrice >= 1;
}

std::string InitialFileBytes(const Settings& s) { return FileBytes(s, kInitialFields); }
std::string OptionFileBytes(const Settings& s) { return FileBytes(s, kOptionFields); }

bool ParseInitial(std::string_view bytes, Settings& s) {
  auto read = ReadFields(bytes, kInitialFields, s);
  if (!read || !IsUsableInitial(*read)) return false;
  s = std::move(*read);
  return true;
}

bool ParseOptions(std::string_view bytes, Settings& s) {
  auto read = ReadFields(bytes, kOptionFields, s);
  if (read) s = std::move(*read);
  return read.has_value();
}

bool LoadInitial(const std::filesystem::path& file, Settings& s) {
  const auto bytes = ReadFileHead(file, kMaxReadBytes);
  return bytes && ParseInitial(*bytes, s);
}

bool LoadOptions(const std::filesystem::path& file, Settings& s) {
  const auto bytes = ReadFileHead(file, kMaxReadBytes);
  return bytes && ParseOptions(*bytes, s);
}

bool SaveInitial(const std::filesystem::path& file, const Settings& s) {
  return WriteFileAtomically(file, InitialFileBytes(s));
}

bool SaveOptions(const std::filesystem::path& file, const Settings& s) {
  return WriteFileAtomically(file, OptionFileBytes(s));
}

void ApplyInitialDefaults(Settings& s, const LocalTime& now) {
  CopyFields(Settings{}, kInitialFields, s);
  s.SetQuitDate(now);
}

void ApplyOptionDefaults(Settings& s) { CopyFields(Settings{}, kOptionFields, s); }

}  // namespace kemurina
