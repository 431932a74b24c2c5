#include "startup/settings_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "permission_bits.h"
#include "scratch_folder.h"
#include "startup/text_encoding.h"

namespace kemurina {
namespace {

using namespace test_support;

const std::string kSoldierCp932 = "\x83\x5c\x83\x8b\x83\x57\x83\x83\x81\x5b";  // "ソルジャー"
const std::string kDefaultOptionBytes =
    "0,12244,5,0,5,1,0,0,9241372,16777215,\"www.example.com/kemurina/\",2,0,0,\"" + kSoldierCp932 +
    "\"\r\n";

// No field holds its default, so that any field a failed load touched shows up.
// clang-format off
const Settings kSentinel{2011, 3, 11, 14, 46, 40, 410, 100, 1, 5000, 8, 2, 30, 0, -1500, -30, 255,
                         0, "example.com/a,b,c", 1, INT_MIN, INT_MAX, "日本旅行"};
// clang-format on

TEST(SettingsFile, BytesRoundTripAndSaves) {
  Settings s = kSentinel;
  ApplyOptionDefaults(s);
  EXPECT_EQ(OptionFileBytes(s), kDefaultOptionBytes);
  EXPECT_EQ(OptionFileBytes(Settings{}), kDefaultOptionBytes);
  s = kSentinel;
  ApplyInitialDefaults(s, {2012, 4, 24, 13, 5});
  EXPECT_EQ(InitialFileBytes(s), "2012,4,24,13,5,20,300,85\r\n");
  EXPECT_EQ(OptionFileBytes(s), OptionFileBytes(kSentinel));  // the option half is not touched

  // Each character code page 932 cannot hold and each stray byte becomes one "?".
  // clang-format off
  const struct { std::string utf8, cp932; } cases[] = {
      {"한コスモ", "?\x83\x52\x83\x58\x83\x82"}, {"x한", "x?"}, {"é!", "?!"},
      {"a\U0001F600b\xff" "c", "a?b?c"}, {"a\x80\x80" "b", "a??b"}, {"\xE3\x81" "b", "??b"},
      {"\xE3\x81", "??"}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(Utf8ToCp932Lossy(c.utf8), c.cp932) << c.utf8;
  s.BbsUrl = cases[3].utf8;
  EXPECT_NE(OptionFileBytes(s).find(",\"a?b?c\","), std::string::npos);

  // The whole record through the files; "日本旅行" is stored in code page 932.
  ScratchFolder folder;
  const auto initial = folder.Path() / "initial.ini", options = folder.Path() / "option.ini";
  ASSERT_TRUE(SaveInitial(initial, kSentinel) && SaveOptions(options, kSentinel));
  EXPECT_EQ(ReadBytes(initial), "2011,3,11,14,46,40,410,100\r\n");
  const std::string head = "1,5000,8,2,30,0,-1500,-30,255,0,\"";
  const std::string tail = "\",1,-2147483648,2147483647,\"\x93\xfa\x96\x7b\x97\xb7\x8d\x73\"\r\n";
  EXPECT_EQ(ReadBytes(options), head + "example.com/a,b,c" + tail);
  Settings read;
  ASSERT_TRUE(LoadInitial(initial, read) && LoadOptions(options, read));
  EXPECT_EQ(read, kSentinel);

  // An unescaped double quote ends the text; the rest of that item is dropped.
  s = kSentinel;
  s.BbsUrl = std::string(300, 'x') + "\"x\"";
  read = Settings{};
  ASSERT_TRUE(ParseOptions(OptionFileBytes(s), read));
  EXPECT_EQ(OptionFileBytes(read), head + std::string(300, 'x') + tail);

  // Option values are taken as they stand.
  const std::string odd =
      "1,0,100,7,99,5,-3,-4,-1,33554432,\"\",-9,0,0,\"\x83\x68\x83\x89\x83\x53\x83\x93\"\r\n";
  ASSERT_TRUE(ParseOptions(odd, read));
  EXPECT_EQ(OptionFileBytes(read), odd);

  // A save replaces the whole file; a failed one leaves the old file and no temporary file.
  WriteBytes(options, std::string(4096, 'z'));
  std::filesystem::permissions(options, std::filesystem::perms{0604});  // a mode no umask gives
  ASSERT_TRUE(SaveOptions(options, Settings{}) && SaveOptions(options, Settings{}));
  EXPECT_EQ(ReadBytes(options), kDefaultOptionBytes);
  EXPECT_EQ(VisiblePerms(std::filesystem::status(options).permissions()),
            VisiblePerms(std::filesystem::perms{0604}));

  // The folder is a plain file; the target is a folder; the folder is missing.
  const auto notAFolder = folder.Path() / "kemurinadata";
  WriteBytes(notAFolder, "old");
  EXPECT_FALSE(SaveInitial(notAFolder / "initial.ini", kSentinel));
  EXPECT_EQ(ReadBytes(notAFolder), "old");
  const auto blocked = folder.Path() / "blocked.ini";
  std::filesystem::create_directory(blocked);
  EXPECT_FALSE(SaveOptions(blocked, kSentinel));
  EXPECT_TRUE(std::filesystem::is_directory(blocked));
  EXPECT_FALSE(SaveOptions(folder.Path() / "missing" / "option.ini", kSentinel));
  EXPECT_EQ(ScratchFolder::Entries(folder.Path()).size(), 4u);  // no temporary file left
}

std::string OptionsWith(std::string_view from, std::string_view to) {
  std::string bytes = kDefaultOptionBytes;
  return bytes.replace(bytes.find(from), from.size(), to);
}

// A readable initial.ini (lenient layouts, the most that is read, edges the
// settings dialog turns down) is saved again as `expected` (empty: the line with
// a CRLF); a damaged file leaves the record as it was.
TEST(SettingsFileReading, ReadableAndDamagedFiles) {
  const std::string usual = "2012,4,24,13,5,20,300,85\r\n";
  // clang-format off
  const struct { std::string bytes, expected = {}; } cases[] = {
      {" 2012 ,\t4 , 24,13 ,5,20,300,85\r\n", usual}, {"2012,4,24,13,5,20,300,85", usual},
      {"2012,4,24\n13,5\n20,300\n85\n", usual},
      {"2012\r\n4\r\n24\r\n13\r\n5\r\n20\r\n300\r\n85\r\n", usual},
      {"2012,4,24,13,5,20,300,85,junk,\"\r\nmore lines\xff\r\n", usual},
      {"\"2012\",4,24,13,5,20,300,\"85\"\r\n", usual},
      {usual + std::string(200 * 1024, 'x'), usual}, {"2000,2,29,0,0,1,1,85"},
      {"2024,2,29,23,59,200,2000,50"}, {"1900,1,1,0,0,20,300,85"}, {"9999,12,31,23,59,20,300,100"},
      {"2012,4,30,12,0,20,300,0"}, {"1,1,1,0,0,20,300,85"}, {"1899,12,31,23,59,20,300,85"},
      {"2999,1,1,0,0,20,300,85"}, {"2012,4,24,13,5,250,300,85"}, {"2012,4,24,13,5,20,99999,85"},
      {"2012,4,24,13,5,2147483647,2147483647,85"}, {"2012,1,31,0,0,1,1,85"},
      {"2012,3,31,0,0,1,1,85"}, {"2012,5,31,0,0,1,1,85"}, {"2012,6,30,0,0,1,1,85"},
      {"2012,7,31,0,0,1,1,85"}, {"2012,8,31,0,0,1,1,85"}, {"2012,9,30,0,0,1,1,85"},
      {"2012,10,31,0,0,1,1,85"}, {"2012,11,30,0,0,1,1,85"}, {"2023,2,28,0,0,1,1,85"},
      {std::string(64 * 1024 - usual.size(), ' ') + usual, usual}};
  // clang-format on
  ScratchFolder folder;
  const auto initialFile = folder.Path() / "initial.ini", optionFile = folder.Path() / "option.ini";
  for (const auto& c : cases) {
    WriteBytes(initialFile, c.bytes);
    Settings read = kSentinel;
    EXPECT_TRUE(LoadInitial(initialFile, read)) << c.bytes.substr(0, 60);
    EXPECT_EQ(InitialFileBytes(read), c.expected.empty() ? c.bytes + "\r\n" : c.expected);
  }

  const std::string soldier = "\"" + kSoldierCp932 + "\"";
  const std::string url = "www.example.com/kemurina/";
  // clang-format off
  const std::vector<std::string> initial = {
      "2012,4,24,13,5,20,300\r\n", "2012,4,24,13,5,20,300,\r\n", "2012,4,,13,5,20,300,85\r\n",
      "2012,4,24,13,5,20,300.5,85\r\n", "2012,4,24,13,5,2 0,300,85\r\n", "", "\r\n",
      std::string(100 * 1024, ' ') + "2012,4,24,13,5,20,300,85\r\n",
      "2012,13,1,13,5,20,300,85\r\n", "2012,0,1,13,5,20,300,85\r\n", "2012,4,31,13,5,20,300,85\r\n",
      "2012,4,0,13,5,20,300,85\r\n", "1900,2,29,13,5,20,300,85\r\n", "2023,2,29,13,5,20,300,85\r\n",
      "0,1,1,13,5,20,300,85\r\n", "10000,1,1,13,5,20,300,85\r\n", "2012,4,24,24,5,20,300,85\r\n",
      "2012,4,24,13,60,20,300,85\r\n", "2012,4,24,13,-1,20,300,85\r\n",
      "2012,4,24,13,5,0,300,85\r\n", "2012,4,24,13,5,20,0,85\r\n", "2012,4,24,13,5,-20,300,85\r\n"};
  const std::vector<std::string> options = {
      OptionsWith("," + soldier, ""), OptionsWith("12244,5,", "12244,five,"),
      OptionsWith("9241372", "2147483648"), OptionsWith(",1,0,0,", ",1,-2147483649,0,"),
      OptionsWith(soldier, soldier.substr(0, 11)), OptionsWith(url, url + "\x81"),
      OptionsWith(soldier, "\"\xff\""), "", OptionsWith(url, std::string(100 * 1024, 'a'))};
  // clang-format on
  std::filesystem::remove(initialFile);
  Settings s = kSentinel;
  EXPECT_FALSE(LoadInitial(initialFile, s) || LoadOptions(optionFile, s));  // no file yet
  for (const bool isInitial : {true, false}) {
    for (const auto& bytes : isInitial ? initial : options) {
      WriteBytes(isInitial ? initialFile : optionFile, bytes);
      EXPECT_FALSE(isInitial ? LoadInitial(initialFile, s) : LoadOptions(optionFile, s))
          << bytes.substr(0, 60);
      EXPECT_EQ(s, kSentinel) << bytes.substr(0, 60);
    }
  }
}

}  // namespace
}  // namespace kemurina
