#include "startup/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "permission_bits.h"
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
  EXPECT_EQ(RunStartup(base.Path(), kNow, s).Window, FirstWindow::Setup);
  EXPECT_EQ(s, (Settings{2024, 1, 2, 3, 4}));
  EXPECT_EQ(ReadBytes(folder / "initial.ini"), "2024,1,2,3,4,20,300,85\r\n");
  EXPECT_EQ(ReadBytes(folder / "option.ini"), OptionFileBytes(Settings{}));
  EXPECT_EQ(ScratchFolder::Entries(folder).size(), 2u);
  // Declined, the next start asks again and leaves initial.ini as it is.
  EXPECT_EQ(RunStartup(base.Path(), {2024, 1, 3, 9, 0}, s).Window, FirstWindow::Setup);
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
    EXPECT_EQ(RunStartup(base.Path(), kNow, s), StartupResult{c.window});
    EXPECT_EQ(InitialFileBytes(s), "1999,9,9,9,9,7,1,1\r\n");
    EXPECT_EQ(OptionFileBytes(s), c.bad ? OptionFileBytes(Settings{}) : c.options);
    EXPECT_EQ(ReadBytes(folder / "initial.ini"), c.initial);
    EXPECT_EQ(ReadBytes(folder / "option.ini"), c.options);
  }
}

// What is there and cannot be read may hold the only record of the quit
// moment: start-up neither replaces it nor writes through it, and runs on
// defaults in memory. The main window's load then stands in for initial.ini.
TEST(Startup, LeavesWhatItCannotReadAlone) {
  namespace fs = std::filesystem;
  enum Kind { Folder, DanglingLink, NoPermissions };
  // clang-format off
  const struct { const char* file; Kind kind; int setupDone = 1; } cases[] = {
      {"initial.ini", Folder}, {"initial.ini", DanglingLink}, {"initial.ini", NoPermissions},
      {"initial.ini", NoPermissions, 0}, {"option.ini", Folder}, {"option.ini", DanglingLink},
      {"option.ini", NoPermissions}};
  // clang-format on
  // Type, permissions and contents or link target of a folder entry.
  const auto describe = [](const fs::path& p) {
    const fs::file_status st = fs::symlink_status(p);
    std::string d = std::to_string(int(st.type())) + " " +
                    std::to_string(int(VisiblePerms(st.permissions()))) + " ";
    if (fs::is_symlink(st)) return d + fs::read_symlink(p).string();
    return fs::is_regular_file(st) ? d + ReadBytes(p) : d;
  };
  const std::string good = "2012,4,24,13,5,20,300,85\r\n";
  for (const auto& c : cases) {
    if (kWindows && c.kind != Folder) continue;  // links and permission bits are POSIX matters
    SCOPED_TRACE(std::string(c.file) + " " + std::to_string(c.kind) + " " +
                 std::to_string(c.setupDone));
    ScratchFolder base;
    const DataPaths paths = DataPaths::For(base.Path());
    EnsureDataFolder(paths);
    WriteBytes(paths.Initial, good);
    WriteBytes(paths.Options, Options(c.setupDone, 2));
    const fs::path broken = paths.Folder / c.file;
    if (c.kind != NoPermissions) fs::remove(broken);
    if (c.kind == Folder) fs::create_directory(broken);
    if (c.kind == DanglingLink) fs::create_symlink(paths.Folder / "gone", broken);
    if (c.kind == NoPermissions) fs::permissions(broken, fs::perms::none);
    const std::string before = describe(broken);
    const bool unreadable = c.kind != NoPermissions || !IsSuperuser();
    const bool options = broken == paths.Options;

    Settings s = kJunk;
    const StartupResult result = RunStartup(base.Path(), kNow, s);
    EXPECT_EQ(describe(broken), before);
    EXPECT_EQ(ScratchFolder::Entries(paths.Folder).size(), 2u);
    if (options) {
      EXPECT_EQ(result, (StartupResult{unreadable ? FirstWindow::Setup : FirstWindow::MainShown,
                                       unreadable}));
      EXPECT_EQ(OptionFileBytes(s), unreadable ? OptionFileBytes(Settings{}) : Options(1, 2));
      EXPECT_EQ(InitialFileBytes(s), InitialFileBytes(kJunk));
    } else {
      EXPECT_EQ(result, (StartupResult{c.setupDone ? FirstWindow::MainShown : FirstWindow::Setup}));
      EXPECT_EQ(IsUsableInitial(s), !unreadable);
      EXPECT_EQ(ReloadInitial(paths.Initial, kNow, s),
                unreadable ? InitialReload::StandIn : InitialReload::Read);
    }
    EXPECT_EQ(describe(broken), before);
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
