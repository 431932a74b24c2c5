#include "dialogs/logic/settings_save.h"

#include <optional>

#include "engine/number_entry.h"
#include "startup/calendar.h"
#include "startup/save_failed_message.h"
#include "startup/settings_file.h"

namespace kemurina {

namespace {

// How many of the date boxes hold a value out of range; each check counts
// on its own, as the message does not say which box is wrong anyway.
int DateErrors(const Settings& s, const LocalTime& now) {
  int errors = 0;
  if (!InRange(s.QuitYear, 1900, now.Year)) ++errors;
  if (!InRange(s.QuitMonth, 1, 12)) ++errors;
  if (!InRange(s.QuitDay, 1, 31)) ++errors;
  // A month shorter than 31 days is a check of its own.
  if (InRange(s.QuitMonth, 1, 12)) {
    const int days = DaysInMonth(s.QuitYear, s.QuitMonth);
    if (days < 31 && s.QuitDay > days) ++errors;
  }
  if (!InRange(s.QuitHour, 0, 23)) ++errors;
  if (!InRange(s.QuitMinute, 0, 59)) ++errors;
  return errors;
}

std::string TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

// A whole-field number in [low, high]; an out-of-range number still goes
// into the field, as every box is taken over before it is checked.
bool ReadWholeField(const std::string& text, int low, int high, int& field) {
  const std::optional<int> value = WholeFieldNumber(text);
  if (!value) return false;
  field = *value;
  return InRange(field, low, high);
}

}  // namespace

SettingsEntry EntryFromSettings(const Settings& s) {
  SettingsEntry e;
  e.QuitDate = {std::to_string(s.QuitYear), std::to_string(s.QuitMonth), std::to_string(s.QuitDay),
                std::to_string(s.QuitHour), std::to_string(s.QuitMinute)};
  e.CigarettesPerDay = std::to_string(s.CigarettesPerDay);
  e.PackPrice = std::to_string(s.PackPrice);
  for (std::size_t i = 0; i < kCigaretteSizes.size(); ++i) {
    if (kCigaretteSizes[i].Millimetres == s.CigaretteLength) e.SizeOption = static_cast<int>(i);
  }
  e.BbsUrl = s.BbsUrl;
  e.StatusModeName = s.StatusModeName;
  e.CopyPlusOption = InRange(s.CopyPlusMode, 0, 2) ? s.CopyPlusMode : -1;
  e.SmokingYears = std::to_string(s.SmokingYears);
  e.ShowBoxes = s.ShowBoxes == 1;
  e.TobaccoTax = std::to_string(s.TobaccoTaxPer1000);
  e.ConsumptionTax = std::to_string(s.ConsumptionTaxPercent);
  e.Left = s.MainLeft;
  e.Top = s.MainTop;
  return e;
}

bool SmokingYearsEnabledAtLoad(int copyPlusMode) { return copyPlusMode != 0 && copyPlusMode != 1; }

bool DataFolderWriter::WriteInitial(const Settings& s) { return SaveInitial(paths_.Initial, s); }
bool DataFolderWriter::WriteOptions(const Settings& s) { return SaveOptions(paths_.Options, s); }
void DataFolderWriter::EnsureFolder() { EnsureDataFolder(paths_); }

std::string MessageText(SaveMessage message, std::string_view dataFolder) {
  switch (message) {
    case SaveMessage::OutOfRange:
      return std::string(kRangeMessage);
    case SaveMessage::FutureDate:
      return std::string(kFutureMessage);
    case SaveMessage::WriteFailed:
      return SaveFailedMessage(dataFolder);
    case SaveMessage::None:
      break;
  }
  return {};
}

SaveOutcome SaveSettings(const SettingsEntry& entry, const LocalTime& now, Settings& s,
                         SettingsWriter& writer) {
  constexpr SaveOutcome kRange{SaveMessage::OutOfRange, false};
  constexpr SaveOutcome kWriteFailed{SaveMessage::WriteFailed, false};

  s.QuitYear = LeadingNumber(entry.QuitDate[0]);
  s.QuitMonth = LeadingNumber(entry.QuitDate[1]);
  s.QuitDay = LeadingNumber(entry.QuitDate[2]);
  s.QuitHour = LeadingNumber(entry.QuitDate[3]);
  s.QuitMinute = LeadingNumber(entry.QuitDate[4]);
  int errors = DateErrors(s, now);
  // Looked at only when every field is in range, where a later minute is
  // simply the larger date and time field by field.
  const bool future = s.QuitDate() > now;

  s.CigarettesPerDay = LeadingNumber(entry.CigarettesPerDay);
  if (!InRange(s.CigarettesPerDay, 1, kMaxCigarettesPerDay)) ++errors;
  s.PackPrice = LeadingNumber(entry.PackPrice);
  if (!InRange(s.PackPrice, 1, kMaxPackPrice)) ++errors;

  if (errors != 0) return kRange;
  if (future) return {SaveMessage::FutureDate, false};

  if (InRange(entry.SizeOption, 0, 2)) {
    s.CigaretteLength = kCigaretteSizes[static_cast<std::size_t>(entry.SizeOption)].Millimetres;
  }
  // The folder may have been removed since start-up; it is made again before
  // each write rather than letting the first file fail for want of it.
  writer.EnsureFolder();
  if (!writer.WriteInitial(s)) return kWriteFailed;

  s.BbsUrl = TrimBlanks(entry.BbsUrl);
  if (InRange(entry.CopyPlusOption, 0, 2)) s.CopyPlusMode = entry.CopyPlusOption;
  s.ShowBoxes = entry.ShowBoxes ? 1 : 0;
  s.StatusModeName = entry.StatusModeName;

  if (!ReadWholeField(entry.TobaccoTax, 0, 100000, s.TobaccoTaxPer1000)) return kRange;
  if (!ReadWholeField(entry.ConsumptionTax, 0, 100, s.ConsumptionTaxPercent)) return kRange;
  // Read even while its box is disabled: a 0 there blocks the Save.
  s.SmokingYears = LeadingNumber(entry.SmokingYears);
  if (!InRange(s.SmokingYears, 1, 99)) return kRange;

  s.MainLeft = entry.Left;
  s.MainTop = entry.Top;
  writer.EnsureFolder();
  if (!writer.WriteOptions(s)) return kWriteFailed;
  return {SaveMessage::None, true};
}

}  // namespace kemurina
