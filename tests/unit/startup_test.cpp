#include "startup/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "scratch_folder.h"
#include "startup/local_time.h"
#include "startup/settings_file.h"

namespace kemurina {
namespace {

using test_support::ReadBytes;
using test_support::ScratchFolder;
using test_support::WriteBytes;

constexpr LocalTime kNow{2024, 1, 2, 3, 4};

std::string OptionsWith(int setupDone, int windowMode) {
  Settings s;
  s.SetupDone = setupDone;
  s.WindowMode = windowMode;
  return OptionFileBytes(s);
}

TEST(LocalTime, IsLaterComparesFromYearDownToMinute) {
  const LocalTime t{2012, 4, 24, 13, 5};
  EXPECT_FALSE(IsLater(t, t));
  EXPECT_TRUE(IsLater({2012, 4, 24, 13, 6}, t));
  EXPECT_FALSE(IsLater(t, {2012, 4, 24, 13, 6}));
  EXPECT_TRUE(IsLater({2013, 1, 1, 0, 0}, t));
  EXPECT_FALSE(IsLater({2012, 3, 31, 23, 59}, t));
  EXPECT_TRUE(IsLater({2012, 4, 25, 0, 0}, t));
  EXPECT_FALSE(IsLater({2012, 4, 24, 12, 59}, t));
}

TEST(Startup, DataPathsLieInsideTheWorkingFolder) {
  const DataPaths paths = DataPaths::For("/home/user/work");
  EXPECT_EQ(paths.Folder, std::filesystem::path("/home/user/work/kemurinadata"));
  EXPECT_EQ(paths.Initial, std::filesystem::path("/home/user/work/kemurinadata/initial.ini"));
  EXPECT_EQ(paths.Options, std::filesystem::path("/home/user/work/kemurinadata/option.ini"));
}

TEST(Startup, FirstStartCreatesFolderAndBothFiles) {
  ScratchFolder base;
  Settings s;
  s.CigarettesPerDay = 7;
  s.StatusModeName = "コスモ";

  EXPECT_EQ(RunStartup(base.Path(), kNow, s), FirstWindow::Setup);

  const DataPaths paths = DataPaths::For(base.Path());
  EXPECT_EQ(ReadBytes(paths.Initial), "2024,1,2,3,4,20,300,85\r\n");
  EXPECT_EQ(ReadBytes(paths.Options), OptionFileBytes(Settings{}));
  EXPECT_EQ(ScratchFolder::Entries(paths.Folder).size(), 2u);

  Settings expected;
  expected.SetQuitDate(kNow);
  EXPECT_EQ(s, expected);
}

TEST(Startup, DeclinedFirstStartAsksAgainWithoutRewritingFiles) {
  ScratchFolder base;
  Settings first;
  ASSERT_EQ(RunStartup(base.Path(), kNow, first), FirstWindow::Setup);
  const DataPaths paths = DataPaths::For(base.Path());
  const std::string initial = ReadBytes(paths.Initial);

  Settings second;
  EXPECT_EQ(RunStartup(base.Path(), {2024, 1, 3, 9, 0}, second), FirstWindow::Setup);
  EXPECT_EQ(ReadBytes(paths.Initial), initial);
}

TEST(Startup, ExistingInitialFileIsNeitherReadNorRewritten) {
  ScratchFolder base;
  const DataPaths paths = DataPaths::For(base.Path());
  EnsureDataFolder(paths);
  const std::string damaged = "2012,13,99\r\n";
  WriteBytes(paths.Initial, damaged);
  WriteBytes(paths.Options, OptionsWith(1, 2));

  Settings s;
  s.SetQuitDate({1999, 9, 9, 9, 9});
  EXPECT_EQ(RunStartup(base.Path(), kNow, s), FirstWindow::MainShown);
  EXPECT_EQ(s.QuitDate(), (LocalTime{1999, 9, 9, 9, 9}));
  EXPECT_EQ(ReadBytes(paths.Initial), damaged);
}

TEST(Startup, UnreadableOptionFileGivesDefaultsAndStaysAsItIs) {
  const std::string damagedFiles[] = {
      "1,12244,5,0,5,1,0,0,9241372,16777215,\"www.example.com/\",1,0,0\r\n",  // 14 items
      "1,12244,5,x,5,1,0,0,9241372,16777215,\"u/\",1,0,0,\"a\"\r\n",
      "1,12244,5,0,5,1,0,0,9241372,16777215,\"u/\",1,0,0,\"\x81\"\r\n",
      "",
  };
  for (const auto& damaged : damagedFiles) {
    ScratchFolder base;
    const DataPaths paths = DataPaths::For(base.Path());
    EnsureDataFolder(paths);
    WriteBytes(paths.Initial, "2012,4,24,13,5,20,300,85\r\n");
    WriteBytes(paths.Options, damaged);

    Settings s;
    s.SetupDone = 1;
    s.WindowMode = 1;
    s.BbsUrl = "kept.example.org/";
    EXPECT_EQ(RunStartup(base.Path(), kNow, s), FirstWindow::Setup) << damaged;
    EXPECT_EQ(s, Settings{}) << damaged;
    EXPECT_EQ(ReadBytes(paths.Options), damaged);
  }
}

TEST(Startup, WindowModeChoosesTheVisibleWindow) {
  struct Case {
    int setupDone;
    int windowMode;
    FirstWindow expected;
  } const cases[] = {
      {0, 1, FirstWindow::Setup},      {0, 2, FirstWindow::Setup},
      {1, 1, FirstWindow::MiniShown},  {1, 0, FirstWindow::MainShown},
      {1, 2, FirstWindow::MainShown},  {1, 3, FirstWindow::MainShown},
      {1, -1, FirstWindow::MainShown}, {5, 1, FirstWindow::MiniShown},
  };
  for (const auto& c : cases) {
    ScratchFolder base;
    const DataPaths paths = DataPaths::For(base.Path());
    EnsureDataFolder(paths);
    WriteBytes(paths.Initial, "2012,4,24,13,5,20,300,85\r\n");
    const std::string options = OptionsWith(c.setupDone, c.windowMode);
    WriteBytes(paths.Options, options);

    Settings s;
    EXPECT_EQ(RunStartup(base.Path(), kNow, s), c.expected)
        << "SetupDone " << c.setupDone << ", WindowMode " << c.windowMode;
    EXPECT_EQ(s.WindowMode, c.windowMode);
    EXPECT_EQ(ReadBytes(paths.Options), options);
  }
}

TEST(Startup, UnwritableDataFolderStillStartsWithDefaults) {
  ScratchFolder base;
  WriteBytes(base.Path() / "kemurinadata", "a file, not a folder");

  Settings s;
  s.WindowMode = 1;
  EXPECT_EQ(RunStartup(base.Path(), kNow, s), FirstWindow::Setup);
  Settings expected;
  expected.SetQuitDate(kNow);
  EXPECT_EQ(s, expected);
  EXPECT_EQ(ReadBytes(base.Path() / "kemurinadata"), "a file, not a folder");
}

// Reading a damaged initial.ini never leaves a fresh record's year 0 on
// screen, never forgets values already read, and never rewrites the file.
TEST(Startup, ReloadingInitialFallsBackOnlyWhenNothingUsableIsThere) {
  ScratchFolder base;
  const DataPaths paths = DataPaths::For(base.Path());
  EnsureDataFolder(paths);
  const std::string damaged = "2012,13,1,0,0,20,300,85\r\n";
  WriteBytes(paths.Initial, damaged);
  Settings s;
  EXPECT_EQ(ReloadInitial(paths.Initial, kNow, s), InitialReload::StandIn);
  EXPECT_EQ(InitialFileBytes(s), "2024,1,2,3,4,20,300,85\r\n");
  EXPECT_EQ(ReloadInitial(paths.Initial, {2030, 1, 1, 0, 0}, s), InitialReload::Kept);
  EXPECT_EQ(s.QuitDate(), kNow);
  EXPECT_EQ(ReadBytes(paths.Initial), damaged);

  WriteBytes(paths.Initial, "2012,4,24,13,5,250,300,85\r\n");
  EXPECT_EQ(ReloadInitial(paths.Initial, kNow, s), InitialReload::Read);
  EXPECT_EQ(s.CigarettesPerDay, 250);
}

}  // namespace
}  // namespace kemurina
