#include "startup/settings_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "scratch_folder.h"
#include "startup/text_encoding.h"

namespace kemurina {
namespace {

using test_support::ReadBytes;
using test_support::ScratchFolder;
using test_support::WriteBytes;

// "ソルジャー" and "日本旅行" in code page 932.
constexpr std::string_view kSoldierCp932 = "\x83\x5c\x83\x8b\x83\x57\x83\x83\x81\x5b";
constexpr std::string_view kJapanTravelCp932 = "\x93\xfa\x96\x7b\x97\xb7\x8d\x73";

const std::string kDefaultOptionBytes =
    "0,12244,5,0,5,1,0,0,9241372,16777215,\"www.example.com/kemurina/\",2,0,0,\"" +
    std::string(kSoldierCp932) + "\"\r\n";

// A record in which no field holds its default, so that any field a failed
// load touched shows up.
Settings Sentinel() {
  Settings s;
  s.SetQuitDate({2011, 3, 11, 14, 46});
  s.CigarettesPerDay = 40;
  s.PackPrice = 410;
  s.CigaretteLength = 100;
  s.SetupDone = 1;
  s.TobaccoTaxPer1000 = 5000;
  s.ConsumptionTaxPercent = 8;
  s.CopyPlusMode = 2;
  s.SmokingYears = 30;
  s.ShowBoxes = 0;
  s.MainLeft = 1200;
  s.MainTop = 900;
  s.TextBackColor = 255;
  s.TextForeColor = 0;
  s.BbsUrl = "bbs.example.org/";
  s.WindowMode = 1;
  s.MiniLeft = 300;
  s.MiniTop = 450;
  s.StatusModeName = "コスモ";
  return s;
}

TEST(SettingsFileBytes, OptionDefaults) {
  Settings s = Sentinel();
  ApplyOptionDefaults(s);
  EXPECT_EQ(OptionFileBytes(s), kDefaultOptionBytes);
  EXPECT_EQ(OptionFileBytes(Settings{}), kDefaultOptionBytes);
}

TEST(SettingsFileBytes, InitialDefaultsStampTheGivenMoment) {
  Settings s = Sentinel();
  ApplyInitialDefaults(s, {2012, 4, 24, 13, 5});
  EXPECT_EQ(InitialFileBytes(s), "2012,4,24,13,5,20,300,85\r\n");
  // The option half of the record is not part of it.
  Settings options = Sentinel();
  options.SetQuitDate({2012, 4, 24, 13, 5});
  options.CigarettesPerDay = 20;
  options.PackPrice = 300;
  options.CigaretteLength = 85;
  EXPECT_EQ(s, options);
}

TEST(SettingsFileBytes, JapaneseThemeIsStoredInCodePage932) {
  Settings s;
  s.StatusModeName = "日本旅行";
  const std::string bytes = OptionFileBytes(s);
  EXPECT_EQ(bytes.substr(bytes.size() - 12), "\"" + std::string(kJapanTravelCp932) + "\"\r\n");

  Settings read = Sentinel();
  ASSERT_TRUE(ParseOptions(bytes, read));
  EXPECT_EQ(read.StatusModeName, "日本旅行");
}

TEST(SettingsFileBytes, TextsCodePage932CannotHoldBecomeQuestionMarks) {
  Settings s;
  s.BbsUrl =
      "a\U0001F600b\xff"
      "c";                        // an emoji and a stray byte
  s.StatusModeName = "한コスモ";  // Hangul has no code in code page 932
  const std::string bytes = OptionFileBytes(s);
  EXPECT_NE(bytes.find(",\"a?b?c\","), std::string::npos) << bytes;
  EXPECT_EQ(Utf8ToCp932Lossy("한コスモ"), "?" + *Utf8ToCp932("コスモ"));
  EXPECT_FALSE(Utf8ToCp932("한").has_value());
  EXPECT_FALSE(Cp932ToUtf8("\x81").has_value());
}

TEST(SettingsFileRoundTrip, WholeRecordWithNegativePositions) {
  ScratchFolder folder;
  Settings s = Sentinel();
  s.MainLeft = -1500;
  s.MainTop = -30;
  s.MiniLeft = INT_MIN;
  s.MiniTop = INT_MAX;
  s.StatusModeName = "日本旅行";
  ASSERT_TRUE(SaveInitial(folder.Path() / "initial.ini", s));
  ASSERT_TRUE(SaveOptions(folder.Path() / "option.ini", s));
  const std::string options = ReadBytes(folder.Path() / "option.ini");
  EXPECT_NE(options.find(",-1500,-30,"), std::string::npos);
  EXPECT_NE(options.find(",-2147483648,2147483647,"), std::string::npos);

  Settings read;
  ASSERT_TRUE(LoadInitial(folder.Path() / "initial.ini", read));
  ASSERT_TRUE(LoadOptions(folder.Path() / "option.ini", read));
  EXPECT_EQ(read, s);
}

TEST(SettingsFileRoundTrip, CommaInsideTextReadsBackWhole) {
  Settings s;
  s.BbsUrl = "example.com/a,b,c";
  Settings read = Sentinel();
  ASSERT_TRUE(ParseOptions(OptionFileBytes(s), read));
  EXPECT_EQ(read.BbsUrl, s.BbsUrl);
  EXPECT_EQ(OptionFileBytes(read), OptionFileBytes(s));
}

TEST(SettingsFileRoundTrip, DoubleQuoteInsideTextCutsTheText) {
  // The quote is not escaped, so the text ends there; the rest of that item
  // is dropped and the items after it still read.
  Settings s;
  s.BbsUrl = "example.com/\"x\"";
  Settings read = Sentinel();
  ASSERT_TRUE(ParseOptions(OptionFileBytes(s), read));
  EXPECT_EQ(read.BbsUrl, "example.com/");
  EXPECT_EQ(read.WindowMode, 2);
  EXPECT_EQ(read.StatusModeName, "ソルジャー");
}

struct ReadableCase {
  const char* name;
  std::string bytes;
};

TEST(SettingsFileReading, LenientLayoutsOfInitial) {
  const ReadableCase cases[] = {
      {"blanks around items", " 2012 ,\t4 , 24,13 ,5,20,300,85\r\n"},
      {"no line end", "2012,4,24,13,5,20,300,85"},
      {"bare LF line ends", "2012,4,24\n13,5\n20,300\n85\n"},
      {"one item a line", "2012\r\n4\r\n24\r\n13\r\n5\r\n20\r\n300\r\n85\r\n"},
      {"anything after the 8th item", "2012,4,24,13,5,20,300,85,junk,\"\r\nmore lines\xff\r\n"},
      {"quoted numbers", "\"2012\",4,24,13,5,20,300,\"85\"\r\n"},
  };
  for (const auto& c : cases) {
    Settings read;
    EXPECT_TRUE(ParseInitial(c.bytes, read)) << c.name;
    EXPECT_EQ(InitialFileBytes(read), "2012,4,24,13,5,20,300,85\r\n") << c.name;
  }
}

TEST(SettingsFileReading, OptionValuesAreKeptAsRead) {
  const std::string bytes =
      "1,0,100,7,99,5,-3,-4,-1,33554432,\"\",-9,0,0,\"" + *Utf8ToCp932("未知のテーマ") + "\"\r\n";
  Settings read;
  ASSERT_TRUE(ParseOptions(bytes, read));
  EXPECT_EQ(read.CopyPlusMode, 7);
  EXPECT_EQ(read.TextBackColor, -1);
  EXPECT_EQ(read.TextForeColor, 33554432);
  EXPECT_EQ(read.BbsUrl, "");
  EXPECT_EQ(read.WindowMode, -9);
  EXPECT_EQ(read.StatusModeName, "未知のテーマ");
}

TEST(SettingsFileReading, ValidDatesAtTheEdges) {
  const char* const lines[] = {
      "2000,2,29,0,0,1,1,85",  // divisible by 400: leap
      "2024,2,29,23,59,200,2000,50", "1900,1,1,0,0,20,300,85", "9999,12,31,23,59,20,300,100",
      "2012,4,30,12,0,20,300,0",  // the length is taken as it stands
      // Beyond what the settings dialog accepts, but sound to work with.
      "1,1,1,0,0,20,300,85", "1899,12,31,23,59,20,300,85", "2999,1,1,0,0,20,300,85",
      "2012,4,24,13,5,250,300,85", "2012,4,24,13,5,20,99999,85",
      "2012,4,24,13,5,2147483647,2147483647,85",
  };
  for (const char* line : lines) {
    Settings read;
    EXPECT_TRUE(ParseInitial(line, read)) << line;
  }
}

TEST(SettingsFileReading, ReadStopsAfterWhatIsNeeded) {
  ScratchFolder folder;
  const auto file = folder.Path() / "initial.ini";
  WriteBytes(file, "2012,4,24,13,5,20,300,85\r\n" + std::string(200 * 1024, 'x'));
  Settings read;
  ASSERT_TRUE(LoadInitial(file, read));
  EXPECT_EQ(read.QuitYear, 2012);
}

enum class Which { Initial, Options };

struct DamagedCase {
  const char* name;
  Which file;
  std::string bytes;
};

// The default option file with its first `from` replaced by `to`.
std::string OptionsWith(std::string_view from, std::string_view to) {
  std::string bytes = kDefaultOptionBytes;
  return bytes.replace(bytes.find(from), from.size(), to);
}

TEST(SettingsFileReading, DamagedFilesLeaveTheRecordUntouched) {
  const std::string soldier = "\"" + std::string(kSoldierCp932) + "\"";
  const std::string url = "www.example.com/kemurina/";
  const DamagedCase cases[] = {
      {"14 option items", Which::Options, OptionsWith("," + soldier, "")},
      {"7 initial items", Which::Initial, "2012,4,24,13,5,20,300\r\n"},
      {"trailing comma instead of 8th item", Which::Initial, "2012,4,24,13,5,20,300,\r\n"},
      {"empty number item", Which::Initial, "2012,4,,13,5,20,300,85\r\n"},
      {"word for a number", Which::Options, OptionsWith("12244,5,", "12244,five,")},
      {"fraction", Which::Initial, "2012,4,24,13,5,20,300.5,85\r\n"},
      {"blank inside number", Which::Initial, "2012,4,24,13,5,2 0,300,85\r\n"},
      {"2^31", Which::Options, OptionsWith("9241372", "2147483648")},
      {"-2^31-1", Which::Options, OptionsWith(",1,0,0,", ",1,-2147483649,0,")},
      {"missing closing quote", Which::Options, OptionsWith(soldier, soldier.substr(0, 11))},
      {"lone lead byte", Which::Options, OptionsWith(url, url + "\x81")},
      {"byte 0xFF", Which::Options, OptionsWith(soldier, "\"\xff\"")},
      {"empty initial", Which::Initial, ""},
      {"empty options", Which::Options, ""},
      {"only a line end", Which::Initial, "\r\n"},
      {"huge text", Which::Options, OptionsWith(url, std::string(100 * 1024, 'a'))},
      {"huge run of blanks", Which::Initial,
       std::string(100 * 1024, ' ') + "2012,4,24,13,5,20,300,85\r\n"},
      {"month 13", Which::Initial, "2012,13,1,13,5,20,300,85\r\n"},
      {"month 0", Which::Initial, "2012,0,1,13,5,20,300,85\r\n"},
      {"31 April", Which::Initial, "2012,4,31,13,5,20,300,85\r\n"},
      {"day 0", Which::Initial, "2012,4,0,13,5,20,300,85\r\n"},
      {"29 February 1900", Which::Initial, "1900,2,29,13,5,20,300,85\r\n"},
      {"29 February 2023", Which::Initial, "2023,2,29,13,5,20,300,85\r\n"},
      {"year 0", Which::Initial, "0,1,1,13,5,20,300,85\r\n"},
      {"year 10000", Which::Initial, "10000,1,1,13,5,20,300,85\r\n"},
      {"hour 24", Which::Initial, "2012,4,24,24,5,20,300,85\r\n"},
      {"minute 60", Which::Initial, "2012,4,24,13,60,20,300,85\r\n"},
      {"minute -1", Which::Initial, "2012,4,24,13,-1,20,300,85\r\n"},
      {"no cigarettes", Which::Initial, "2012,4,24,13,5,0,300,85\r\n"},
      {"free pack", Which::Initial, "2012,4,24,13,5,20,0,85\r\n"},
      {"negative count", Which::Initial, "2012,4,24,13,5,-20,300,85\r\n"},
  };

  ScratchFolder folder;
  for (const auto& c : cases) {
    const auto file = folder.Path() / (c.file == Which::Initial ? "initial.ini" : "option.ini");
    WriteBytes(file, c.bytes);
    Settings s = Sentinel();
    const bool loaded = c.file == Which::Initial ? LoadInitial(file, s) : LoadOptions(file, s);
    EXPECT_FALSE(loaded) << c.name;
    EXPECT_EQ(s, Sentinel()) << c.name;
  }
}

TEST(SettingsFileReading, MissingFileIsUnreadable) {
  ScratchFolder folder;
  Settings s = Sentinel();
  EXPECT_FALSE(LoadInitial(folder.Path() / "initial.ini", s));
  EXPECT_FALSE(LoadOptions(folder.Path() / "option.ini", s));
  EXPECT_EQ(s, Sentinel());
}

TEST(SettingsFileSaving, ReplacesTheWholeFileAndLeavesNothingElse) {
  ScratchFolder folder;
  const auto file = folder.Path() / "option.ini";
  WriteBytes(file, std::string(4096, 'z'));
  ASSERT_TRUE(SaveOptions(file, Settings{}));
  ASSERT_TRUE(SaveOptions(file, Settings{}));
  EXPECT_EQ(ReadBytes(file), kDefaultOptionBytes);
  EXPECT_EQ(ScratchFolder::Entries(folder.Path()), std::vector<std::string>{"option.ini"});
}

TEST(SettingsFileSaving, FailuresLeaveTheOldFileAndNoTemporaryFile) {
  ScratchFolder folder;
  const Settings s = Sentinel();

  // The target's folder is a plain file.
  const auto notAFolder = folder.Path() / "kemurinadata";
  WriteBytes(notAFolder, "old");
  EXPECT_FALSE(SaveInitial(notAFolder / "initial.ini", s));
  EXPECT_EQ(ReadBytes(notAFolder), "old");

  // The target is a folder: the temporary file is written, the rename fails.
  const auto blocked = folder.Path() / "option.ini";
  std::filesystem::create_directory(blocked);
  EXPECT_FALSE(SaveOptions(blocked, s));
  EXPECT_TRUE(std::filesystem::is_directory(blocked));

  // The folder does not exist.
  EXPECT_FALSE(SaveOptions(folder.Path() / "missing" / "option.ini", s));

  auto entries = ScratchFolder::Entries(folder.Path());
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"kemurinadata", "option.ini"}));
}

TEST(SettingsFileSaving, ReadOnlyFolderLeavesTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  ScratchFolder folder;
  const auto data = folder.Path() / "data";
  std::filesystem::create_directory(data);
  const auto file = data / "initial.ini";
  WriteBytes(file, "2012,4,24,13,5,20,300,85\r\n");
  std::filesystem::permissions(
      data, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  EXPECT_FALSE(SaveInitial(file, Sentinel()));
  EXPECT_EQ(ReadBytes(file), "2012,4,24,13,5,20,300,85\r\n");
  EXPECT_EQ(ScratchFolder::Entries(data), std::vector<std::string>{"initial.ini"});
}

}  // namespace
}  // namespace kemurina
