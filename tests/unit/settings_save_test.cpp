#include "dialogs/logic/settings_save.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

#include "scratch_folder.h"
#include "startup/settings_file.h"

namespace kemurina {
namespace {

namespace fs = std::filesystem;
using namespace test_support;

// clang-format off
// The files before Save; SetupDone, colours, WindowMode and mini window stay.
const std::string kOldInitial = "2020,1,2,3,4,15,410,100\r\n";
const std::string kNewInitial = "2024,4,24,13,5,20,300,85\r\n";
const std::string kOldOptions = "1,12244,8,2,7,0,300,400,9241372,16777215,\"old.example/\",1,11,22"
                                ",\"\x83\x52\x83\x58\x83\x82\"\r\n";  // "コスモ"
const std::string kNewTail =
    ",9241372,16777215,\"www.example.org/board/\",1,11,22,\"\x93\xfa\x96\x7b\x97\xb7\x8d\x73\"\r\n";
// A form a user could save: every box valid, most values changed.
const SettingsEntry kGood{{"2024", "4", "24", "13", "5"}, "20", "300", 1, "www.example.org/board/",
                          "日本旅行", 1, "12", true, "6000", "10", 1500, 2250};
constexpr LocalTime kNow{2024, 5, 1, 12, 0};
constexpr SaveOutcome kClosed{SaveMessage::None, true}, kRange{SaveMessage::OutOfRange, false},
    kFailed{SaveMessage::WriteFailed, false};
// clang-format on

class SettingsSaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureDataFolder(paths_);
    WriteBytes(paths_.Initial, kOldInitial);
    WriteBytes(paths_.Options, kOldOptions);
    settings_ = {};
    ASSERT_TRUE(LoadInitial(paths_.Initial, settings_) && LoadOptions(paths_.Options, settings_));
  }
  SaveOutcome Save(const SettingsEntry& e) { return SaveSettings(e, kNow, settings_, writer_); }
  std::string Memory() const { return InitialFileBytes(settings_) + OptionFileBytes(settings_); }
  std::string Disk() const { return ReadBytes(paths_.Initial) + ReadBytes(paths_.Options); }

  ScratchFolder folder_;
  const DataPaths paths_ = DataPaths::For(folder_.Path());
  DataFolderWriter writer_{paths_};
  Settings settings_;
};

// One box of the good form per row, or the quit date "y/mo/d/h/mi" (missing parts
// "0"). A rejected tax or years box comes after initial.ini was rewritten.
TEST_F(SettingsSaveTest, ChecksAndHowFarTheSaveGot) {
  // clang-format off
  using enum SaveMessage;
  using Box = std::string SettingsEntry::*;
  constexpr Box kDate = nullptr, kCount = &SettingsEntry::CigarettesPerDay,
      kPrice = &SettingsEntry::PackPrice, kTax = &SettingsEntry::TobaccoTax,
      kVat = &SettingsEntry::ConsumptionTax, kYears = &SettingsEntry::SmokingYears;
  constexpr auto kOk = None, kBad = OutOfRange, kFuture = FutureDate;
  const struct { Box box; const char* text; SaveMessage message; } cases[] = {
      {kDate, "1900/2/29", kBad}, {kDate, "2000/2/29", kOk}, {kDate, "2004/2/29", kOk},
      {kDate, "2005/2/29", kBad}, {kDate, "2005/2/28", kOk}, {kDate, "2000/2/30", kBad},
      {kDate, "2023/4/31", kBad}, {kDate, "2023/6/31", kBad}, {kDate, "2023/9/31", kBad},
      {kDate, "2023/11/31", kBad}, {kDate, "2023/4/30", kOk}, {kDate, "2023/12/31/23/59", kOk},
      {kDate, "2023/1/0", kBad}, {kDate, "2023/13/1", kBad}, {kDate, "1899/12/31", kBad},
      {kDate, "1900/1/1", kOk}, {kDate, "2023/1/1/24/0", kBad}, {kDate, "2023/1/1/0/60", kBad},
      {kDate, "2023/1/1/0/0", kOk}, {kDate, "/4/24/13/5", kBad},
      // Later than now to the minute; next year is out of range, which wins.
      {kDate, "2024/5/1/12/0", kOk}, {kDate, "2024/5/1/11/59", kOk},
      {kDate, "2024/4/30/23/59", kOk}, {kDate, "2024/5/1/12/1", kFuture},
      {kDate, "2024/5/2/0/0", kFuture}, {kDate, "2025/1/1", kBad}, {kCount, "", kBad},
      {kCount, "1", kOk}, {kCount, "30本", kOk}, {kCount, "200", kOk}, {kCount, "201", kBad},
      {kPrice, "0", kBad}, {kPrice, "1", kOk}, {kPrice, "2000", kOk}, {kPrice, "2001", kBad},
      {kTax, "", kBad}, {kTax, "abc", kBad}, {kTax, "12a", kBad}, {kTax, "0", kOk},
      {kTax, "99999", kOk}, {kTax, "100000", kOk}, {kTax, "100001", kBad}, {kTax, "-1", kBad},
      {kVat, "-1", kBad}, {kVat, "0", kOk}, {kVat, " 5 ", kOk}, {kVat, "99", kOk},
      {kVat, "100", kOk}, {kVat, "101", kBad}, {kYears, "1", kOk}, {kYears, "99", kOk}};
  // clang-format on
  for (const auto& c : cases) {
    SetUp();
    const bool late = c.box == kTax || c.box == kVat || c.box == kYears;
    SettingsEntry e = kGood;
    if (c.box) e.*c.box = c.text;
    std::istringstream parts(c.box ? "" : c.text);
    for (std::string& part : e.QuitDate) {
      if (!c.box && !std::getline(parts, part, '/')) part = "0";
    }
    EXPECT_EQ(Save(e), (SaveOutcome{c.message, c.message == kOk})) << c.text;
    EXPECT_EQ(Disk(),
              c.message == kOk ? Memory() : (late ? kNewInitial : kOldInitial) + kOldOptions)
        << c.text;
  }
}

// Values are taken over as read: a rejected save keeps those before the bad box.
TEST_F(SettingsSaveTest, RejectedAndFailedSavesKeepTheDialogOpen) {
  SettingsEntry e = kGood;
  e.QuitDate = {"2023", "4", "31", "8", "9"};
  e.SizeOption = 0;
  EXPECT_EQ(Save(e), kRange);
  EXPECT_EQ(Memory(), "2023,4,31,8,9,20,300,100\r\n" + kOldOptions);
  // A future moment with a figure out of range as well gets the range message.
  e.QuitDate = {"2024", "5", "1", "12", "1"};
  e.CigarettesPerDay = "0";
  EXPECT_EQ(Save(e), kRange);
  EXPECT_EQ(Disk(), kOldInitial + kOldOptions);
  // clang-format off
  const struct { const char *tax, *vat, *years; int copyPlus; const char* options; } late[] = {
      {"abc", "10", "12", 1, "12244,8,1,7,1"}, {"6000", "-1", "12", 1, "6000,-1,1,7,1"},
      {"6000", "10", "0", 0, "6000,10,0,0,1"}};  // years read while the box is off
  // clang-format on
  for (const auto& c : late) {
    SetUp();
    e = kGood;
    std::tie(e.TobaccoTax, e.ConsumptionTax, e.SmokingYears, e.CopyPlusOption) =
        std::tuple(c.tax, c.vat, c.years, c.copyPlus);
    EXPECT_EQ(Save(e), kRange);
    EXPECT_EQ(Memory(), kNewInitial + "1," + c.options + ",300,400" + kNewTail);
    EXPECT_EQ(Disk(), kNewInitial + kOldOptions);
  }

  // initial.ini is written first; a folder in the place of a file makes its write fail.
  SetUp();
  fs::remove(paths_.Initial);
  fs::create_directory(paths_.Initial);
  EXPECT_EQ(Save(kGood), kFailed);
  EXPECT_EQ(ReadBytes(paths_.Options), kOldOptions);
  EXPECT_EQ(settings_.BbsUrl, "old.example/");
  fs::remove(paths_.Initial);
  fs::remove(paths_.Options);
  fs::create_directory(paths_.Options);
  EXPECT_EQ(Save(kGood), kFailed);
  EXPECT_EQ(ReadBytes(paths_.Initial), kNewInitial);
  // A retry succeeds with the same form, and a removed folder is made again.
  fs::remove_all(paths_.Folder);
  EXPECT_EQ(Save(kGood), kClosed);
  EXPECT_EQ(Disk(), Memory());
}

TEST_F(SettingsSaveTest, GoodSavesStoreWhatWasTyped) {
  EXPECT_EQ(Save(kGood), kClosed);
  EXPECT_EQ(Memory(), kNewInitial + "1,6000,10,1,12,1,1500,2250" + kNewTail);
  EXPECT_EQ(Disk(), Memory());
  SettingsEntry e = kGood;
  e.QuitDate = {" 2023", "7x", "1.9", "-0", "05"};
  std::tie(e.StatusModeName, e.BbsUrl) = std::pair("ドラゴン", "  http://www.example.org/a b/\t  ");
  EXPECT_EQ(Save(e), kClosed);
  // Only the blanks around the address go; a scheme or a tab stays.
  EXPECT_EQ(Disk(),
            "2023,7,1,0,5,20,300,85\r\n1,6000,10,1,12,1,1500,2250,9241372,16777215,"
            "\"http://www.example.org/a b/\t\",1,11,22,\"\x83\x68\x83\x89\x83\x53\x83\x93\"\r\n");
  EXPECT_EQ(Memory(), Disk());
  e.BbsUrl = "　www.example.org/　";  // a full-width blank is not a blank to trim
  EXPECT_EQ(Save(e), kClosed);
  EXPECT_EQ(settings_.BbsUrl, "　www.example.org/　");

  // Each size and COPY+ option stores its value; none selected keeps the last.
  // clang-format off
  const struct { int sizeOption, copyOption, length, copyPlusMode; } options[] = {
      {0, 0, 50, 0}, {1, 2, 85, 2}, {-1, -1, 85, 2}, {2, 1, 100, 1}, {-1, -1, 100, 1}};
  // clang-format on
  for (const auto& c : options) {
    std::tie(e.SizeOption, e.CopyPlusOption) = std::pair(c.sizeOption, c.copyOption);
    ASSERT_EQ(Save(e), kClosed);
    EXPECT_EQ(std::pair(settings_.CigaretteLength, settings_.CopyPlusMode),
              std::pair(c.length, c.copyPlusMode));
  }
}

// Saved again as it opened, the dialog gives the same record.
TEST_F(SettingsSaveTest, EntryShowsTheRecord) {
  EXPECT_EQ(Save(EntryFromSettings(settings_)), kClosed);
  EXPECT_EQ(Memory(), kOldInitial + kOldOptions);
  // clang-format off
  // The years box starts enabled for "ON+喫煙年数→" and, as designed, for no option.
  const struct { int mm, copyPlus, boxes, size, copy; bool shown, years; } cases[] = {
      {50, 0, 1, 0, 0, true, false}, {85, 1, 0, 1, 1, false, false}, {100, 2, 1, 2, 2, true, true},
      {70, 3, 2, -1, -1, false, true}, {85, -1, 0, 1, -1, false, true}};
  // clang-format on
  for (const auto& c : cases) {
    std::tie(settings_.CigaretteLength, settings_.CopyPlusMode, settings_.ShowBoxes) =
        std::tuple(c.mm, c.copyPlus, c.boxes);
    const SettingsEntry e = EntryFromSettings(settings_);
    EXPECT_EQ(std::tuple(e.SizeOption, e.CopyPlusOption, e.ShowBoxes),
              std::tuple(c.size, c.copy, c.shown));
    EXPECT_EQ(SmokingYearsEnabledAtLoad(c.copyPlus), c.years) << c.copyPlus;
  }
}

}  // namespace
}  // namespace kemurina
