#include "dialogs/logic/settings_save.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "scratch_folder.h"
#include "startup/settings_file.h"

namespace kemurina {
namespace {

using test_support::ReadBytes;
using test_support::ScratchFolder;

constexpr LocalTime kNow{2024, 5, 1, 12, 0};

// Writes the real files into a scratch folder, remembers the order of the
// calls and can be told to fail either write.
class RecordingWriter : public DataFolderWriter {
 public:
  explicit RecordingWriter(const DataPaths& paths) : DataFolderWriter(paths) {}
  bool WriteInitial(const Settings& s) override {
    calls.push_back("initial");
    return !failInitial && DataFolderWriter::WriteInitial(s);
  }
  bool WriteOptions(const Settings& s) override {
    calls.push_back("options");
    return !failOptions && DataFolderWriter::WriteOptions(s);
  }
  void EnsureFolder() override {
    calls.push_back("folder");
    DataFolderWriter::EnsureFolder();
  }
  std::vector<std::string> calls;
  bool failInitial = false;
  bool failOptions = false;
};

// What was in memory and on disk before Save: the files hold the old values.
Settings OldSettings() {
  Settings s;
  s.SetQuitDate({2020, 1, 2, 3, 4});
  s.CigarettesPerDay = 15;
  s.PackPrice = 410;
  s.CigaretteLength = 100;
  s.SetupDone = 1;
  s.TobaccoTaxPer1000 = 12244;
  s.ConsumptionTaxPercent = 8;
  s.CopyPlusMode = 2;
  s.SmokingYears = 7;
  s.ShowBoxes = 0;
  s.MainLeft = 300;
  s.MainTop = 400;
  s.BbsUrl = "old.example.com/";
  s.WindowMode = 1;
  s.MiniLeft = 11;
  s.MiniTop = 22;
  s.StatusModeName = "コスモ";
  return s;
}

// A form a user could save: every box valid, several values changed.
SettingsEntry GoodEntry() {
  SettingsEntry e;
  e.QuitDate = {"2024", "4", "24", "13", "5"};
  e.CigarettesPerDay = "20";
  e.PackPrice = "300";
  e.SizeOption = 1;
  e.BbsUrl = "www.example.org/board/";
  e.StatusModeName = "日本旅行";
  e.CopyPlusOption = 1;
  e.SmokingYears = "12";
  e.ShowBoxes = true;
  e.TobaccoTax = "6000";
  e.ConsumptionTax = "10";
  e.Left = 1500;
  e.Top = 2250;
  return e;
}

class SettingsSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    paths_ = DataPaths::For(folder_.Path());
    EnsureDataFolder(paths_);
    ASSERT_TRUE(SaveInitial(paths_.Initial, old_));
    ASSERT_TRUE(SaveOptions(paths_.Options, old_));
    oldInitial_ = ReadBytes(paths_.Initial);
    oldOptions_ = ReadBytes(paths_.Options);
  }

  SaveOutcome Save(const SettingsEntry& e, RecordingWriter& w) {
    return SaveSettings(e, kNow, settings_, w);
  }
  SaveOutcome Save(const SettingsEntry& e) {
    RecordingWriter w(paths_);
    return Save(e, w);
  }
  bool InitialRewritten() const { return ReadBytes(paths_.Initial) != oldInitial_; }
  bool OptionsRewritten() const { return ReadBytes(paths_.Options) != oldOptions_; }
  Settings OnDisk() const {
    Settings s;
    EXPECT_TRUE(LoadInitial(paths_.Initial, s));
    EXPECT_TRUE(LoadOptions(paths_.Options, s));
    return s;
  }

  ScratchFolder folder_;
  DataPaths paths_;
  const Settings old_ = OldSettings();
  Settings settings_ = OldSettings();
  std::string oldInitial_;
  std::string oldOptions_;
};

TEST_F(SettingsSaveTest, GoodSaveWritesBothFilesAndCloses) {
  RecordingWriter w(paths_);
  EXPECT_EQ(Save(GoodEntry(), w), (SaveOutcome{SaveMessage::None, true}));
  EXPECT_EQ(w.calls, (std::vector<std::string>{"folder", "initial", "folder", "options"}));

  Settings expected = old_;
  expected.SetQuitDate({2024, 4, 24, 13, 5});
  expected.CigarettesPerDay = 20;
  expected.PackPrice = 300;
  expected.CigaretteLength = 85;
  expected.BbsUrl = "www.example.org/board/";
  expected.StatusModeName = "日本旅行";
  expected.CopyPlusMode = 1;
  expected.SmokingYears = 12;
  expected.ShowBoxes = 1;
  expected.TobaccoTaxPer1000 = 6000;
  expected.ConsumptionTaxPercent = 10;
  expected.MainLeft = 1500;
  expected.MainTop = 2250;
  EXPECT_EQ(settings_, expected);
  // SetupDone, WindowMode and the mini window's place go out unchanged.
  EXPECT_EQ(OnDisk(), expected);
}

TEST_F(SettingsSaveTest, MissingDataFolderIsMadeAgain) {
  std::filesystem::remove_all(paths_.Folder);
  EXPECT_EQ(Save(GoodEntry()), (SaveOutcome{SaveMessage::None, true}));
  EXPECT_EQ(OnDisk(), settings_);
}

// Everything the Save checks, one edit of the good form per row: a quit date
// ("y/mo/d/h/mi", missing parts "0"; nullptr keeps the good one) and/or one
// box, and the COPY+ option.

// How far Save got: a rejected date or figure touches no file; a rejected tax
// or years box comes after initial.ini was rewritten.
enum Written { kNoFile, kInitialOnly, kBoth };

struct Case {
  const char* name;
  const char* date;
  std::string SettingsEntry::*box;  // nullptr: no box changed
  const char* value;
  SaveMessage message;
  Written written;
  int copyPlusOption = 1;
};

void Apply(const Case& c, SettingsEntry& e) {
  if (c.date) {
    const std::string_view date = c.date;
    std::size_t from = 0;
    for (std::string& part : e.QuitDate) {
      const std::size_t slash = date.find('/', from);
      part = from > date.size() ? "0" : date.substr(from, slash - from);
      from = slash == std::string_view::npos ? date.size() + 1 : slash + 1;
    }
  }
  if (c.box) e.*c.box = c.value;
  e.CopyPlusOption = c.copyPlusOption;
}

constexpr auto kCount = &SettingsEntry::CigarettesPerDay;
constexpr auto kPrice = &SettingsEntry::PackPrice;
constexpr auto kTobaccoTax = &SettingsEntry::TobaccoTax;
constexpr auto kConsumptionTax = &SettingsEntry::ConsumptionTax;
constexpr auto kYears = &SettingsEntry::SmokingYears;
constexpr SaveMessage kOk = SaveMessage::None;
constexpr SaveMessage kRange = SaveMessage::OutOfRange;
constexpr SaveMessage kFuture = SaveMessage::FutureDate;

// clang-format off
const Case kCases[] = {
    {"Feb29In1900", "1900/2/29", nullptr, "", kRange, kNoFile},
    {"Feb29In2000", "2000/2/29", nullptr, "", kOk, kBoth},
    {"Feb29In2004", "2004/2/29", nullptr, "", kOk, kBoth},
    {"Feb29In2005", "2005/2/29", nullptr, "", kRange, kNoFile},
    {"Feb28In2005", "2005/2/28", nullptr, "", kOk, kBoth},
    {"Feb30In2000", "2000/2/30", nullptr, "", kRange, kNoFile},
    {"April31", "2023/4/31", nullptr, "", kRange, kNoFile},
    {"June31", "2023/6/31", nullptr, "", kRange, kNoFile},
    {"September31", "2023/9/31", nullptr, "", kRange, kNoFile},
    {"November31", "2023/11/31", nullptr, "", kRange, kNoFile},
    {"April30", "2023/4/30", nullptr, "", kOk, kBoth},
    {"December31", "2023/12/31/23/59", nullptr, "", kOk, kBoth},
    {"Day0", "2023/1/0", nullptr, "", kRange, kNoFile},
    {"Month13", "2023/13/1", nullptr, "", kRange, kNoFile},
    {"Year1899", "1899/12/31", nullptr, "", kRange, kNoFile},
    {"Year1900", "1900/1/1", nullptr, "", kOk, kBoth},
    // Also later than now, but the range message wins.
    {"NextYearIsRangeNotFuture", "2025/1/1", nullptr, "", kRange, kNoFile},
    {"FutureWithBadCountIsRange", "2024/5/1/12/1", kCount, "0", kRange, kNoFile},
    {"CurrentMinuteAccepted", "2024/5/1/12/0", nullptr, "", kOk, kBoth},
    {"NextMinuteRefused", "2024/5/1/12/1", nullptr, "", kFuture, kNoFile},
    {"TomorrowRefused", "2024/5/2/0/0", nullptr, "", kFuture, kNoFile},
    {"Hour24", "2023/1/1/24/0", nullptr, "", kRange, kNoFile},
    {"Minute60", "2023/1/1/0/60", nullptr, "", kRange, kNoFile},
    {"MidnightAccepted", "2023/1/1/0/0", nullptr, "", kOk, kBoth},
    {"EmptyYear", "/4/24/13/5", nullptr, "", kRange, kNoFile},
    {"EmptyCountReadsZero", nullptr, kCount, "", kRange, kNoFile},
    {"CountWithUnitAccepted", nullptr, kCount, "30本", kOk, kBoth},
    {"Count201", nullptr, kCount, "201", kRange, kNoFile},
    {"Price0", nullptr, kPrice, "0", kRange, kNoFile},
    {"Price2000", nullptr, kPrice, "2000", kOk, kBoth},
    {"Price2001", nullptr, kPrice, "2001", kRange, kNoFile},
    {"TobaccoTaxEmpty", nullptr, kTobaccoTax, "", kRange, kInitialOnly},
    {"TobaccoTaxLetters", nullptr, kTobaccoTax, "abc", kRange, kInitialOnly},
    {"TobaccoTaxTrailingLetters", nullptr, kTobaccoTax, "12a", kRange, kInitialOnly},
    {"TobaccoTax99999", nullptr, kTobaccoTax, "99999", kOk, kBoth},
    {"TobaccoTax0", nullptr, kTobaccoTax, "0", kOk, kBoth},
    {"TobaccoTaxNegative", nullptr, kTobaccoTax, "-1", kRange, kInitialOnly},
    {"ConsumptionTaxMinus1", nullptr, kConsumptionTax, "-1", kRange, kInitialOnly},
    {"ConsumptionTax99", nullptr, kConsumptionTax, "99", kOk, kBoth},
    {"ConsumptionTaxBlanksAround", nullptr, kConsumptionTax, " 5 ", kOk, kBoth},
    {"YearsSmoked0WhileOff", nullptr, kYears, "0", kRange, kInitialOnly, 0},
    {"YearsSmoked99", nullptr, kYears, "99", kOk, kBoth},
};
// clang-format on

class SettingsSaveCases : public SettingsSaveTest, public ::testing::WithParamInterface<Case> {};

TEST_P(SettingsSaveCases, MessageAndFiles) {
  const Case& c = GetParam();
  SettingsEntry e = GoodEntry();
  Apply(c, e);
  EXPECT_EQ(Save(e), (SaveOutcome{c.message, c.message == SaveMessage::None}));
  EXPECT_EQ(InitialRewritten(), c.written != kNoFile);
  EXPECT_EQ(OptionsRewritten(), c.written == kBoth);
  if (c.message == SaveMessage::None) {
    EXPECT_EQ(OnDisk(), settings_);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, SettingsSaveCases, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& row) {
                           return std::string(row.param.name);
                         });

TEST_F(SettingsSaveTest, RejectedDateLeavesWhatWasReadInMemoryOnly) {
  SettingsEntry e = GoodEntry();
  e.QuitDate = {"2023", "4", "31", "8", "9"};
  e.SizeOption = 0;
  EXPECT_EQ(Save(e).Message, SaveMessage::OutOfRange);
  // The date, the count and the price were taken over before the checks...
  EXPECT_EQ(settings_.QuitDate(), (LocalTime{2023, 4, 31, 8, 9}));
  EXPECT_EQ(settings_.CigarettesPerDay, 20);
  EXPECT_EQ(settings_.PackPrice, 300);
  // ...the rest was not reached.
  EXPECT_EQ(settings_.CigaretteLength, old_.CigaretteLength);
  EXPECT_EQ(settings_.BbsUrl, old_.BbsUrl);
  EXPECT_EQ(settings_.MainLeft, old_.MainLeft);
}

TEST_F(SettingsSaveTest, RejectedConsumptionTaxAfterNewQuitDate) {
  SettingsEntry e = GoodEntry();
  e.ConsumptionTax = "-1";
  EXPECT_EQ(Save(e).Message, SaveMessage::OutOfRange);

  // initial.ini holds the new quit moment and figures, option.ini the old options.
  Settings disk = OnDisk();
  EXPECT_EQ(disk.QuitDate(), (LocalTime{2024, 4, 24, 13, 5}));
  EXPECT_EQ(disk.CigaretteLength, 85);
  Settings oldOptions = old_;
  LoadInitial(paths_.Initial, oldOptions);
  EXPECT_EQ(disk, oldOptions);

  // In memory: everything up to the failing box.
  EXPECT_EQ(settings_.BbsUrl, "www.example.org/board/");
  EXPECT_EQ(settings_.CopyPlusMode, 1);
  EXPECT_EQ(settings_.ShowBoxes, 1);
  EXPECT_EQ(settings_.StatusModeName, "日本旅行");
  EXPECT_EQ(settings_.TobaccoTaxPer1000, 6000);
  EXPECT_EQ(settings_.ConsumptionTaxPercent, -1);
  EXPECT_EQ(settings_.SmokingYears, old_.SmokingYears);
  EXPECT_EQ(settings_.MainLeft, old_.MainLeft);
}

TEST_F(SettingsSaveTest, LettersInTaxBoxLeaveTheFieldAsItWas) {
  SettingsEntry e = GoodEntry();
  e.TobaccoTax = "abc";
  EXPECT_EQ(Save(e).Message, SaveMessage::OutOfRange);
  EXPECT_EQ(settings_.TobaccoTaxPer1000, old_.TobaccoTaxPer1000);
}

TEST_F(SettingsSaveTest, TypedValuesAreStoredAsTyped) {
  SettingsEntry e = GoodEntry();
  e.StatusModeName = "ドラゴン";
  e.BbsUrl = "  http://www.example.org/a b/\t  ";
  e.QuitDate = {" 2023", "7x", "1.9", "-0", "05"};
  EXPECT_EQ(Save(e).Message, SaveMessage::None);
  // Only the blanks around the address go; a scheme or a tab stays.
  EXPECT_EQ(settings_.BbsUrl, "http://www.example.org/a b/\t");
  EXPECT_EQ(settings_.QuitDate(), (LocalTime{2023, 7, 1, 0, 5}));
  EXPECT_EQ(OnDisk().StatusModeName, "ドラゴン");
  // A full-width blank is not a blank to trim.
  e.BbsUrl = "　www.example.org/　";
  EXPECT_EQ(Save(e).Message, SaveMessage::None);
  EXPECT_EQ(settings_.BbsUrl, "　www.example.org/　");
}

TEST_F(SettingsSaveTest, SizeOptionsGiveTheirLengthsAndNoneKeepsTheField) {
  // No option selected keeps the length the save before left.
  for (const auto& [option, length] : {std::pair{0, 50}, {1, 85}, {-1, 85}, {2, 100}}) {
    SettingsEntry e = GoodEntry();
    e.SizeOption = option;
    e.CopyPlusOption = -1;
    ASSERT_EQ(Save(e).Message, SaveMessage::None);
    EXPECT_EQ(OnDisk().CigaretteLength, length) << option;
    EXPECT_EQ(OnDisk().CopyPlusMode, old_.CopyPlusMode);
  }
}

TEST_F(SettingsSaveTest, FailedInitialWriteStopsBeforeOptions) {
  RecordingWriter w(paths_);
  w.failInitial = true;
  EXPECT_EQ(Save(GoodEntry(), w), (SaveOutcome{SaveMessage::WriteFailed, false}));
  EXPECT_EQ(w.calls, (std::vector<std::string>{"folder", "initial"}));
  EXPECT_FALSE(InitialRewritten());
  EXPECT_FALSE(OptionsRewritten());
  EXPECT_EQ(settings_.BbsUrl, old_.BbsUrl);
}

TEST_F(SettingsSaveTest, FailedOptionWriteKeepsDialogOpen) {
  RecordingWriter w(paths_);
  w.failOptions = true;
  EXPECT_EQ(Save(GoodEntry(), w), (SaveOutcome{SaveMessage::WriteFailed, false}));
  EXPECT_TRUE(InitialRewritten());
  EXPECT_FALSE(OptionsRewritten());
  // A retry once the folder is writable again succeeds with the same form.
  EXPECT_EQ(Save(GoodEntry()), (SaveOutcome{SaveMessage::None, true}));
  EXPECT_EQ(OnDisk(), settings_);
}

TEST_F(SettingsSaveTest, DataFolderThatIsAFileFailsTheFirstWrite) {
  std::filesystem::remove_all(paths_.Folder);
  test_support::WriteBytes(paths_.Folder, "not a folder");
  EXPECT_EQ(Save(GoodEntry()).Message, SaveMessage::WriteFailed);
}

TEST(SettingsSaveMessages, Texts) {
  EXPECT_EQ(MessageText(SaveMessage::None), "");
  EXPECT_EQ(MessageText(SaveMessage::OutOfRange), "有効範囲内にある半角数字を入れてください");
  EXPECT_EQ(MessageText(SaveMessage::FutureDate), "現在より未来の日時は設定できません");
  EXPECT_EQ(MessageText(SaveMessage::WriteFailed),
            "設定を保存できませんでした。データフォルダ（kemurinadata）に書き込めるか確認してくだ"
            "さい。");
}

TEST(SettingsEntryLoad, ShowsTheRecord) {
  Settings s = OldSettings();
  const SettingsEntry e = EntryFromSettings(s);
  EXPECT_EQ(e.QuitDate, (std::array<std::string, 5>{"2020", "1", "2", "3", "4"}));
  EXPECT_EQ(e.CigarettesPerDay, "15");
  EXPECT_EQ(e.PackPrice, "410");
  EXPECT_EQ(e.SizeOption, 2);
  EXPECT_EQ(e.CopyPlusOption, 2);
  EXPECT_EQ(e.TobaccoTax, "12244");
  EXPECT_EQ(e.ConsumptionTax, "8");
  EXPECT_EQ(e.SmokingYears, "7");
  EXPECT_FALSE(e.ShowBoxes);
  EXPECT_EQ(e.BbsUrl, "old.example.com/");
  EXPECT_EQ(e.StatusModeName, "コスモ");
  EXPECT_EQ(e.Left, 300);
  EXPECT_EQ(e.Top, 400);

  // Values that match no option select none.
  s.CigaretteLength = 70;
  s.CopyPlusMode = 3;
  EXPECT_EQ(EntryFromSettings(s).SizeOption, -1);
  EXPECT_EQ(EntryFromSettings(s).CopyPlusOption, -1);
  s.CigaretteLength = 50;
  EXPECT_EQ(EntryFromSettings(s).SizeOption, 0);
}

TEST(SettingsEntryLoad, YearsBoxEnabledOnlyForTheYearsMode) {
  // -1, no option selected, enables it as designed.
  for (const auto& [mode, enabled] : {std::pair{0, false}, {1, false}, {2, true}, {-1, true}}) {
    EXPECT_EQ(SmokingYearsEnabledAtLoad(mode), enabled) << mode;
  }
}

}  // namespace
}  // namespace kemurina
