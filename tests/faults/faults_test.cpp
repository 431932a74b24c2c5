// Faults from outside: a save killed at random moments, and the real program
// (headless) started on data it cannot use and over a lock left by a killed copy.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "startup/settings_file.h"
#include "tests/faults/child_process.h"
#include "tests/faults/save_versions.h"
#include "tests/unit/scratch_folder.h"

namespace kemurina {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using faults::kVersionA;
using faults::kVersionB;

// A process saving both files in a loop, killed at random moments again and
// again: each file must always be one whole version, old or new.
TEST(KilledWhileSaving, EveryFileIsAlwaysOneWholeVersion) {
  constexpr int kKills = 300;
  test_support::ScratchFolder folder;
  const auto initial = folder.Path() / "initial.ini", option = folder.Path() / "option.ini";
  const std::set<std::string> initials{InitialFileBytes(kVersionA), InitialFileBytes(kVersionB)};
  const std::set<std::string> options{OptionFileBytes(kVersionA), OptionFileBytes(kVersionB)};
  std::mt19937 random(20240424);
  std::uniform_int_distribution<int> delayMicros(0, 4000);  // lands anywhere in a save
  int sawB = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    ASSERT_TRUE(SaveInitial(initial, kVersionA) && SaveOptions(option, kVersionA));
    faults::Child saver({KEMURINA_SAVE_LOOP, folder.Path().string()});
    // Every other kill waits for a whole pair of saves; the rest may hit the very first write.
    ASSERT_TRUE(kill % 2 == 1 || saver.WaitForByte()) << "the save loop ended by itself";
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
    saver.Signal(SIGKILL);
    ASSERT_EQ(saver.Wait(), "signal Killed");

    const std::string i = test_support::ReadBytes(initial), o = test_support::ReadBytes(option);
    ASSERT_TRUE(initials.contains(i)) << "kill " << kill << ": initial.ini is " << i;
    ASSERT_TRUE(options.contains(o)) << "kill " << kill << ": option.ini is " << o;
    sawB += (i == InitialFileBytes(kVersionB)) + (o == OptionFileBytes(kVersionB));
  }
  // Kills that always came too early or too late would prove nothing.
  EXPECT_TRUE(sawB > 0 && sawB < 2 * kKills) << sawB << " new versions seen";

  // A killed save leaves at most its one temporary file, which the next save
  // reuses: after one more save nothing is left over.
  ASSERT_TRUE(SaveInitial(initial, kVersionA) && SaveOptions(option, kVersionA));
  EXPECT_EQ(test_support::ScratchFolder::Entries(folder.Path()).size(), 2u);
}

// Data folder files by name with their bytes; "" names the data path itself as a file.
using Files = std::map<std::string, std::string>;
using Modes = std::map<std::string, fs::perms>;
struct Case {
  const char* name;
  Files data;
  Modes modes = {};  // permissions a user gave some files
  bool readOnlyFolder = false;
  bool killedCopyFirst = false;  // a copy killed with SIGKILL leaves its lock behind
};
// The real program comes up, stays up and leaves the data alone. A read-only option.ini kept
// through the exit item's refused save is an end-to-end scenario, on a display of its own.
class RealProgram : public ::testing::TestWithParam<Case> {};

Files Snapshot(const fs::path& data) {
  if (fs::is_regular_file(data)) return {{"", test_support::ReadBytes(data)}};
  Files files;
  for (const auto& e : fs::directory_iterator(data))
    files[e.path().filename()] = test_support::ReadBytes(e.path());
  return files;
}

TEST_P(RealProgram, ComesUpAndLeavesTheDataAlone) {
  const Case& c = GetParam();
  test_support::ScratchFolder folder;
  const fs::path data = folder.Path() / "kemurinadata", runtime = folder.Path() / "runtime";
  ::mkdir(runtime.c_str(), 0700);
  if (!c.data.contains("")) fs::create_directory(data);
  for (const auto& [name, bytes] : c.data)
    test_support::WriteBytes(name.empty() ? data : data / name, bytes);
  // Permissions mean nothing to root: then the program runs as nobody.
  std::optional<uid_t> runAs;
  if ((c.readOnlyFolder || !c.modes.empty()) && ::geteuid() == 0) {
    runAs = 65534;  // nobody
    for (const auto& e : fs::recursive_directory_iterator(folder.Path()))
      ASSERT_EQ(::lchown(e.path().c_str(), *runAs, *runAs), 0) << e.path();
    ASSERT_EQ(::chown(folder.Path().c_str(), *runAs, *runAs), 0);
  }
  // A replaced file may come back with the same bytes and mode, but never as the same inode.
  std::map<std::string, ino_t> inodes;
  for (const auto& [name, mode] : c.modes) {
    fs::permissions(data / name, mode);
    struct stat st {};
    ASSERT_EQ(::stat((data / name).c_str(), &st), 0);
    inodes[name] = st.st_ino;
  }
  if (c.readOnlyFolder)
    fs::permissions(data, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);

  const auto lockOwner = [&] {
    pid_t pid = 0;
    std::ifstream(runtime / "kemurina.lock") >> pid;
    return pid;
  };
  const auto start = [&] {
    return faults::Child({KEMURINA_BINARY},
                         {"XDG_RUNTIME_DIR=" + runtime.string(), "HOME=" + folder.Path().string(),
                          "QT_QPA_PLATFORM=offscreen"},
                         folder.Path().c_str(), runAs);
  };
  // Every window's load takes the single-instance lock first: the program is
  // up once the lock names it, and must still be running a moment later.
  const auto cameUp = [&](faults::Child& p) -> std::string {
    for (int i = 0; i < 1500 && lockOwner() != p.Pid() && p.Running(); ++i)
      std::this_thread::sleep_for(20ms);
    std::this_thread::sleep_for(1500ms);
    return !p.Running() ? p.Wait() : lockOwner() == p.Pid() ? "" : "no window was loaded";
  };
  if (c.killedCopyFirst) {
    faults::Child killed = start();
    ASSERT_EQ(cameUp(killed), "");
    killed.Signal(SIGKILL);
    ASSERT_EQ(killed.Wait(), "signal Killed");
    ASSERT_EQ(lockOwner(), killed.Pid()) << "the dead copy's lock is gone";
  }
  faults::Child program = start();
  ASSERT_EQ(cameUp(program), "");
  program.Signal(SIGTERM);
  EXPECT_EQ(program.Wait(), "signal Terminated");
  for (const auto& [name, mode] : c.modes) {
    struct stat st {};
    EXPECT_EQ(::stat((data / name).c_str(), &st), 0);
    EXPECT_EQ(st.st_ino, inodes[name]) << name << " was replaced";
    EXPECT_EQ(fs::status(data / name).permissions(), mode) << name;
  }
  EXPECT_EQ(Snapshot(data), c.data);
}

const Files kGoodFiles{{"initial.ini", InitialFileBytes(kVersionA)},
                       {"option.ini", OptionFileBytes(kVersionA)}};
constexpr fs::perms kNoAccess{0};
INSTANTIATE_TEST_SUITE_P(
    Starts, RealProgram,
    ::testing::Values(Case{"ReadOnlyDataFolder", kGoodFiles, {}, true},
                      Case{"EmptyReadOnlyDataFolder", {}, {}, true},
                      Case{"DataFolderIsAFile", {{"", "not a folder"}}},
                      Case{"LockLeftByAKilledCopy", kGoodFiles, {}, false, true},
                      Case{"UnreadableInitial", kGoodFiles, {{"initial.ini", kNoAccess}}},
                      Case{"UnreadableOptions", kGoodFiles, {{"option.ini", kNoAccess}}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kemurina
