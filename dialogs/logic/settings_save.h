#pragma once

#include <array>
#include <string>
#include <string_view>

#include "dialogs/logic/settings_choices.h"
#include "startup/local_time.h"
#include "startup/settings.h"
#include "startup/startup.h"

namespace kemurina {

inline constexpr std::string_view kFutureMessage = "現在より未来の日時は設定できません";

// What the settings dialog's controls hold, as UTF-8 text where the control
// is a text box. Option indexes are -1 when no option of the row is selected.
struct SettingsEntry {
  std::array<std::string, 5> QuitDate;  // Text1(0..4): year, month, day, hour, minute
  std::string CigarettesPerDay;         // Text2
  std::string PackPrice;                // Text3
  int SizeOption = -1;                  // Option1(0..2)
  std::string BbsUrl;                   // Text4
  std::string StatusModeName;           // Combo1's text
  int CopyPlusOption = -1;              // Option2(0..2)
  std::string SmokingYears;             // Text7
  bool ShowBoxes = false;               // Check2
  std::string TobaccoTax;               // Text5
  std::string ConsumptionTax;           // Text6
  int Left = 0;                         // the dialog's corner, twips
  int Top = 0;
};

// What the dialog shows when it opens. Left/Top are where it is placed.
SettingsEntry EntryFromSettings(const Settings& s);

// Text7 at load: disabled for COPY+ "OFF" and "ON", enabled for
// "ON+喫煙年数→" and, as designed, for a value that selects no option.
bool SmokingYearsEnabledAtLoad(int copyPlusMode);

// Where Save puts the two files. Tests substitute one that can fail.
class SettingsWriter {
 public:
  virtual ~SettingsWriter() = default;
  // Each returns false when the file could not be written (the old file is
  // then still whole).
  virtual bool WriteInitial(const Settings& s) = 0;
  virtual bool WriteOptions(const Settings& s) = 0;
  // Creates the data folder if it is missing; failures are not reported.
  virtual void EnsureFolder() = 0;
};

// The real files in kemurinadata/.
class DataFolderWriter : public SettingsWriter {
 public:
  explicit DataFolderWriter(DataPaths paths) : paths_(std::move(paths)) {}
  bool WriteInitial(const Settings& s) override;
  bool WriteOptions(const Settings& s) override;
  void EnsureFolder() override;

 private:
  DataPaths paths_;
};

enum class SaveMessage {
  None,
  OutOfRange,   // kRangeMessage
  FutureDate,   // kFutureMessage
  WriteFailed,  // SaveFailedMessage, naming the data folder
};

struct SaveOutcome {
  SaveMessage Message = SaveMessage::None;
  bool Closes = false;  // the dialog closes only when both files were written

  friend bool operator==(const SaveOutcome&, const SaveOutcome&) = default;
};

// The text to show; dataFolder (UTF-8) is named when a file could not be written.
std::string MessageText(SaveMessage message, std::string_view dataFolder);

// The dialog's Save. Values are parsed straight into `s` as they are read,
// before they are checked, and initial.ini is written before the tax and
// years boxes are looked at, so a rejected Save can leave some fields changed
// in `s` and initial.ini rewritten; a re-read of the files undoes the rest.
//
// Order: quit moment and its checks, cigarettes a day, pack price; one range
// message for any number of range errors, which wins over a future quit
// moment (later than `now` to the minute); size; initial.ini; address (blanks
// trimmed), COPY+, box display, theme name; tobacco tax, consumption tax,
// years smoked (each a range message on failure); MainLeft/MainTop = the
// dialog's corner; option.ini last.
SaveOutcome SaveSettings(const SettingsEntry& entry, const LocalTime& now, Settings& s,
                         SettingsWriter& writer);

}  // namespace kemurina
