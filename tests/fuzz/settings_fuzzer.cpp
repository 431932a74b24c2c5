// libFuzzer target over everything the program reads from outside: the two
// settings files (hand-edited, damaged, truncated) and the numbers typed into
// text boxes. Besides not crashing, each input is held to the readers' own
// promises; a broken promise aborts, which libFuzzer reports with the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/number_entry.h"
#include "startup/settings_file.h"

namespace {

void Require(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
  }
}

bool InitialFieldsEqual(const kemurina::Settings& a, const kemurina::Settings& b) {
  return a.QuitDate() == b.QuitDate() && a.CigarettesPerDay == b.CigarettesPerDay &&
         a.PackPrice == b.PackPrice && a.CigaretteLength == b.CigaretteLength;
}

// A record that differs from the defaults everywhere, so that a reader that
// touches a field it should not shows up.
kemurina::Settings Marked() {
  kemurina::Settings s;
  s.SetQuitDate({2001, 2, 3, 4, 5});
  s.CigarettesPerDay = 7;
  s.PackPrice = 11;
  s.CigaretteLength = 50;
  s.SetupDone = 1;
  s.TobaccoTaxPer1000 = 13;
  s.ConsumptionTaxPercent = 17;
  s.CopyPlusMode = 2;
  s.SmokingYears = 19;
  s.ShowBoxes = 0;
  s.MainLeft = -23;
  s.MainTop = 29;
  s.TextBackColor = 31;
  s.TextForeColor = 37;
  s.BbsUrl = "marked/";
  s.WindowMode = 1;
  s.MiniLeft = 41;
  s.MiniTop = -43;
  s.StatusModeName = "コスモ";
  return s;
}

void CheckInitial(std::string_view bytes) {
  const kemurina::Settings before = Marked();
  kemurina::Settings s = before;
  if (!kemurina::ParseInitial(bytes, s)) {
    Require(s == before, "a failed initial.ini read changed the record");
    return;
  }
  // Only the eight fields of initial.ini may change.
  kemurina::Settings optionsOnly = s;
  optionsOnly.SetQuitDate(before.QuitDate());
  optionsOnly.CigarettesPerDay = before.CigarettesPerDay;
  optionsOnly.PackPrice = before.PackPrice;
  optionsOnly.CigaretteLength = before.CigaretteLength;
  Require(optionsOnly == before, "an initial.ini read changed an option field");

  // What was read is written back and read again unchanged.
  kemurina::Settings again = before;
  Require(kemurina::ParseInitial(kemurina::InitialFileBytes(s), again),
          "initial.ini written from a read record does not read back");
  Require(InitialFieldsEqual(s, again), "initial.ini changed through a write and read");
}

void CheckOptions(std::string_view bytes) {
  const kemurina::Settings before = Marked();
  kemurina::Settings s = before;
  if (!kemurina::ParseOptions(bytes, s)) {
    Require(s == before, "a failed option.ini read changed the record");
    return;
  }
  Require(InitialFieldsEqual(s, before), "an option.ini read changed an initial.ini field");

  kemurina::Settings again = before;
  Require(kemurina::ParseOptions(kemurina::OptionFileBytes(s), again),
          "option.ini written from a read record does not read back");
  // The file form cannot carry a double quote inside a text (it is not
  // escaped), so only texts without one are expected back unchanged.
  const bool quoteFree =
      s.BbsUrl.find('"') == std::string::npos && s.StatusModeName.find('"') == std::string::npos;
  if (quoteFree) Require(again == s, "option.ini changed through a write and read");
}

void CheckNumbers(std::string_view text) {
  const int leading = kemurina::LeadingNumber(text);
  const auto whole = kemurina::WholeFieldNumber(text);
  // A field that is a number as a whole starts with that same number.
  if (whole) Require(*whole == leading, "whole-field and leading readings disagree");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckInitial(bytes);
  CheckOptions(bytes);
  CheckNumbers(bytes);
  return 0;
}
