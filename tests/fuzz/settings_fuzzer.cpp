// libFuzzer target over the settings files (hand-edited, damaged, truncated) and numbers typed
// into text boxes. A broken promise aborts, and libFuzzer reports the input.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "engine/number_entry.h"
#include "startup/settings_file.h"

namespace {

using kemurina::Settings;

void Require(bool holds, const char* what) {
  if (!holds) (std::fprintf(stderr, "broken promise: %s\n", what), std::abort());
}

// Unlike the defaults in every field (in file order): a reader touching the wrong field shows.
const Settings kMarked{2001, 2, 3,   4,  5,  7,  11,   50, 1,  13,  17,  2,
                       19,   0, -23, 29, 31, 37, "m/", 1,  41, -43, "コ"};

Settings WithInitial(Settings s, const Settings& from) {
  s.SetQuitDate(from.QuitDate());
  s.CigarettesPerDay = from.CigarettesPerDay;
  s.PackPrice = from.PackPrice;
  s.CigaretteLength = from.CigaretteLength;
  return s;
}

// An initial.ini worth reading: a real date and time in years 1 to 9999 (the
// standard library's calendar), a cigarette a day and a yen a pack.
bool Usable(const Settings& s) {
  const auto in = [](int v, int low, int high) { return v >= low && v <= high; };
  return in(s.QuitYear, 1, 9999) && in(s.QuitMonth, 1, 12) && in(s.QuitDay, 1, 31) &&
         (std::chrono::year(s.QuitYear) / s.QuitMonth / s.QuitDay).ok() && in(s.QuitHour, 0, 23) &&
         in(s.QuitMinute, 0, 59) && s.CigarettesPerDay >= 1 && s.PackPrice >= 1;
}

// `t` (option fields those of kMarked) written as initial.ini and read over
// kMarked comes back whole when usable; otherwise the read fails and changes nothing.
void CheckWritten(const Settings& t) {
  const bool usable = Usable(t);
  Settings read = kMarked;
  Require(kemurina::IsUsableInitial(t) == usable &&
              kemurina::ParseInitial(kemurina::InitialFileBytes(t), read) == usable &&
              read == (usable ? t : kMarked),
          "initial.ini changed through a write and read");
}

void CheckInitial(std::string_view bytes) {
  Settings s = kMarked;
  if (!kemurina::ParseInitial(bytes, s))
    return Require(s == kMarked, "a failed initial.ini read changed the record");
  Require(WithInitial(s, kMarked) == kMarked, "an initial.ini read changed an option field");
  CheckWritten(s);
}

void CheckOptions(std::string_view bytes) {
  Settings s = kMarked;
  if (!kemurina::ParseOptions(bytes, s))
    return Require(s == kMarked, "a failed option.ini read changed the record");
  Require(WithInitial(kMarked, s) == kMarked, "an option.ini read changed an initial.ini field");
  // A double quote inside a text cannot be written (it is not escaped).
  Settings again = kMarked;
  Require(kemurina::ParseOptions(kemurina::OptionFileBytes(s), again) &&
              ((s.BbsUrl + s.StatusModeName).find('"') != std::string::npos || again == s),
          "option.ini changed through a write and read");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckInitial(bytes);
  CheckOptions(bytes);
  if (size >= 9) {  // any eight numbers near the limits: a 16-bit year, then one byte each
    const auto n = [&](int i) { return int(std::int8_t(data[i])); };
    const int year = std::int16_t(data[0] | data[1] << 8);
    CheckWritten(WithInitial(kMarked, Settings{year, n(2), n(3), n(4), n(5), n(6), n(7), n(8)}));
  }
  // A field that is a number as a whole starts with that same number.
  const auto whole = kemurina::WholeFieldNumber(bytes);
  Require(!whole || *whole == kemurina::LeadingNumber(bytes), "whole and leading numbers differ");
  return 0;
}
