#include "startup/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "scratch_folder.h"
#include "startup/settings_file.h"

namespace kemurina {
namespace {

using namespace test_support;

constexpr LocalTime kNow{2024, 1, 2, 3, 4};

const Settings kJunk{1999, 9, 9, 9, 9, 7, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, "x", 1, 1, 1, "y"};

std::string Options(int setupDone, int windowMode) {
  return OptionFileBytes(Settings{.SetupDone = setupDone, .WindowMode = windowMode});
}

// Without files start-up writes both; with files it only checks that
// initial.ini opens, reads option.ini and rewrites neither.
TEST(Startup, FilesChooseTheFirstWindow) {
  ScratchFolder base;
  const auto folder = base.Path() / "kemurinadata";
  Settings s = kJunk;
  EXPECT_EQ(RunStartup(base.Path(), kNow, s), FirstWindow::Setup);
  EXPECT_EQ(s, (Settings{2024, 1, 2, 3, 4}));
  EXPECT_EQ(ReadBytes(folder / "initial.ini"), "2024,1,2,3,4,20,300,85\r\n");
  EXPECT_EQ(ReadBytes(folder / "option.ini"), OptionFileBytes(Settings{}));
  EXPECT_EQ(ScratchFolder::Entries(folder).size(), 2u);
  // Declined, the next start asks again and leaves initial.ini as it is.
  EXPECT_EQ(RunStartup(base.Path(), {2024, 1, 3, 9, 0}, s), FirstWindow::Setup);
  EXPECT_EQ(ReadBytes(folder / "initial.ini"), "2024,1,2,3,4,20,300,85\r\n");

  using enum FirstWindow;
  const std::string good = "2012,4,24,13,5,20,300,85\r\n";
  // clang-format off
  const struct { std::string initial, options; FirstWindow window; bool bad = false; } cases[] = {
      {good, Options(0, 1), Setup}, {good, Options(0, 2), Setup}, {good, Options(1, 1), MiniShown},
      {good, Options(1, 0), MainShown}, {good, Options(1, 2), MainShown},
      {good, Options(1, 3), MainShown}, {good, Options(1, -1), MainShown},
      {good, Options(5, 1), MiniShown}, {"2012,13,99\r\n", Options(1, 2), MainShown},
      {good, "1,12244,5,x,5,1,0,0,9241372,16777215,\"u/\",1,0,0,\"a\"\r\n", Setup, true},
      {good, "", Setup, true}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.initial + c.options);
    WriteBytes(folder / "initial.ini", c.initial);
    WriteBytes(folder / "option.ini", c.options);
    s = kJunk;
    EXPECT_EQ(RunStartup(base.Path(), kNow, s), c.window);
    EXPECT_EQ(InitialFileBytes(s), "1999,9,9,9,9,7,1,1\r\n");
    EXPECT_EQ(OptionFileBytes(s), c.bad ? OptionFileBytes(Settings{}) : c.options);
    EXPECT_EQ(ReadBytes(folder / "initial.ini"), c.initial);
    EXPECT_EQ(ReadBytes(folder / "option.ini"), c.options);
  }
}

// A damaged initial.ini never leaves year 0 on screen nor forgets what was read.
TEST(Startup, ReloadingInitialFallsBackOnlyWhenNothingUsableIsThere) {
  ScratchFolder folder;
  const auto file = folder.Path() / "initial.ini";
  WriteBytes(file, "2012,13,1,0,0,20,300,85\r\n");
  Settings s;
  EXPECT_EQ(ReloadInitial(file, kNow, s), InitialReload::StandIn);
  EXPECT_EQ(InitialFileBytes(s), "2024,1,2,3,4,20,300,85\r\n");
  EXPECT_EQ(ReloadInitial(file, {2030, 1, 1, 0, 0}, s), InitialReload::Kept);
  EXPECT_EQ(s.QuitDate(), kNow);
  EXPECT_EQ(ReadBytes(file), "2012,13,1,0,0,20,300,85\r\n");

  WriteBytes(file, "2012,4,24,13,5,250,300,85\r\n");
  EXPECT_EQ(ReloadInitial(file, kNow, s), InitialReload::Read);
  EXPECT_EQ(s.CigarettesPerDay, 250);
}

}  // namespace
}  // namespace kemurina
