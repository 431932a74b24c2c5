#include "startup/settings_file.h"

#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "startup/file_io.h"
#include "startup/text_encoding.h"

namespace kemurina {
namespace {

constexpr std::size_t kInitialItemCount = 8;
constexpr std::size_t kOptionItemCount = 15;

// Both files are a few dozen bytes; reading stops here so that a stray huge
// file cannot eat the memory. Items that do not end within it are missing.
constexpr std::size_t kMaxReadBytes = 64 * 1024;

constexpr std::string_view kLineEnd = "\r\n";

// ---- Writing ----

class LineWriter {
 public:
  void Number(int value) {
    Separate();
    line_ += std::to_string(value);
  }
  void Text(std::string_view utf8) {
    Separate();
    line_ += '"';
    line_ += Utf8ToCp932Lossy(utf8);
    line_ += '"';
  }
  std::string Finish() && {
    line_ += kLineEnd;
    return std::move(line_);
  }

 private:
  void Separate() {
    if (!line_.empty()) line_ += ',';
  }
  std::string line_;
};

// ---- Reading ----

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

// Hands out the split items in file order into the record's fields; after the
// first item that does not fit its field, Ok() stays false.
class ItemReader {
 public:
  explicit ItemReader(const std::vector<std::string_view>& items) : items_(items) {}

  void Number(int& field) {
    if (!ok_) return;
    const std::string_view item = items_[next_++];
    const char* const first = item.data();
    const char* const last = first + item.size();
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    ok_ = !item.empty() && error == std::errc{} && end == last;
    if (ok_) field = value;
  }

  void Text(std::string& field) {
    if (!ok_) return;
    auto text = Cp932ToUtf8(items_[next_++]);
    ok_ = text.has_value();
    if (ok_) field = std::move(*text);
  }

  bool Ok() const { return ok_; }

 private:
  const std::vector<std::string_view>& items_;
  std::size_t next_ = 0;
  bool ok_ = true;
};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

bool IsUsableInitial(const Settings& s) {
  return InRange(s.QuitYear, 1, 9999) && InRange(s.QuitMonth, 1, 12) &&
         InRange(s.QuitDay, 1, DaysInMonth(s.QuitYear, s.QuitMonth)) &&
         InRange(s.QuitHour, 0, 23) && InRange(s.QuitMinute, 0, 59) && s.CigarettesPerDay >= 1 &&
         s.PackPrice >= 1;
}

std::string InitialFileBytes(const Settings& s) {
  LineWriter line;
  line.Number(s.QuitYear);
  line.Number(s.QuitMonth);
  line.Number(s.QuitDay);
  line.Number(s.QuitHour);
  line.Number(s.QuitMinute);
  line.Number(s.CigarettesPerDay);
  line.Number(s.PackPrice);
  line.Number(s.CigaretteLength);
  return std::move(line).Finish();
}

std::string OptionFileBytes(const Settings& s) {
  LineWriter line;
  line.Number(s.SetupDone);
  line.Number(s.TobaccoTaxPer1000);
  line.Number(s.ConsumptionTaxPercent);
  line.Number(s.CopyPlusMode);
  line.Number(s.SmokingYears);
  line.Number(s.ShowBoxes);
  line.Number(s.MainLeft);
  line.Number(s.MainTop);
  line.Number(s.TextBackColor);
  line.Number(s.TextForeColor);
  line.Text(s.BbsUrl);
  line.Number(s.WindowMode);
  line.Number(s.MiniLeft);
  line.Number(s.MiniTop);
  line.Text(s.StatusModeName);
  return std::move(line).Finish();
}

bool ParseInitial(std::string_view bytes, Settings& s) {
  const auto items = SplitItems(bytes, kInitialItemCount);
  if (!items) return false;
  // Read into a copy so that a damaged file leaves every field as it was.
  Settings read = s;
  ItemReader reader(*items);
  reader.Number(read.QuitYear);
  reader.Number(read.QuitMonth);
  reader.Number(read.QuitDay);
  reader.Number(read.QuitHour);
  reader.Number(read.QuitMinute);
  reader.Number(read.CigarettesPerDay);
  reader.Number(read.PackPrice);
  reader.Number(read.CigaretteLength);
  if (!reader.Ok() || !IsUsableInitial(read)) return false;
  s = std::move(read);
  return true;
}

bool ParseOptions(std::string_view bytes, Settings& s) {
  const auto items = SplitItems(bytes, kOptionItemCount);
  if (!items) return false;
  Settings read = s;
  ItemReader reader(*items);
  reader.Number(read.SetupDone);
  reader.Number(read.TobaccoTaxPer1000);
  reader.Number(read.ConsumptionTaxPercent);
  reader.Number(read.CopyPlusMode);
  reader.Number(read.SmokingYears);
  reader.Number(read.ShowBoxes);
  reader.Number(read.MainLeft);
  reader.Number(read.MainTop);
  reader.Number(read.TextBackColor);
  reader.Number(read.TextForeColor);
  reader.Text(read.BbsUrl);
  reader.Number(read.WindowMode);
  reader.Number(read.MiniLeft);
  reader.Number(read.MiniTop);
  reader.Text(read.StatusModeName);
  if (!reader.Ok()) return false;
  s = std::move(read);
  return true;
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
  const Settings defaults;
  s.SetQuitDate(now);
  s.CigarettesPerDay = defaults.CigarettesPerDay;
  s.PackPrice = defaults.PackPrice;
  s.CigaretteLength = defaults.CigaretteLength;
}

void ApplyOptionDefaults(Settings& s) {
  const Settings defaults;
  s.SetupDone = defaults.SetupDone;
  s.TobaccoTaxPer1000 = defaults.TobaccoTaxPer1000;
  s.ConsumptionTaxPercent = defaults.ConsumptionTaxPercent;
  s.CopyPlusMode = defaults.CopyPlusMode;
  s.SmokingYears = defaults.SmokingYears;
  s.ShowBoxes = defaults.ShowBoxes;
  s.MainLeft = defaults.MainLeft;
  s.MainTop = defaults.MainTop;
  s.TextBackColor = defaults.TextBackColor;
  s.TextForeColor = defaults.TextForeColor;
  s.BbsUrl = defaults.BbsUrl;
  s.WindowMode = defaults.WindowMode;
  s.MiniLeft = defaults.MiniLeft;
  s.MiniTop = defaults.MiniTop;
  s.StatusModeName = defaults.StatusModeName;
}

}  // namespace kemurina
