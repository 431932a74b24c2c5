// Faults from outside: a save killed at random moments, and the real program
// (headless) started on data it cannot use and over a lock left by a killed copy.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
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
  bool closedByUser = false;     // ended through its pop-up menu, which saves option.ini
};
// The real program comes up, stays up and leaves the data alone.
class RealProgram : public ::testing::TestWithParam<Case> {};

Files Snapshot(const fs::path& data) {
  if (fs::is_regular_file(data)) return {{"", test_support::ReadBytes(data)}};
  Files files;
  for (const auto& e : fs::directory_iterator(data))
    files[e.path().filename()] = test_support::ReadBytes(e.path());
  return files;
}

std::string Shell(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    ::pclose(pipe);
  }
  return out;
}

// A virtual X display of the test's own, for a program a user has to end.
class VirtualDisplay {
 public:
  // Xvfb picks a free display number itself and writes it once it serves, so
  // that tests running side by side never share a display.
  VirtualDisplay()
      : xvfb_({"/usr/bin/Xvfb", "-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten",
               "tcp"}),
        name_(":" + xvfb_.ReadLine()) {}
  const std::string& Name() const { return name_; }
  std::string Xdotool(const std::string& arguments) const {
    return Shell("DISPLAY=" + name_ + " xdotool " + arguments + " 2>/dev/null");
  }

 private:
  faults::Child xvfb_;
  std::string name_;
};

// With no window manager the pointer decides where keys go: right-click on the
// main window's lungs (they take no mouse events) and take the last menu item.
void ExitThroughPopupMenu(const VirtualDisplay& display) {
  const std::string id =
      display.Xdotool("search --sync --onlyvisible --name 'ケムリナ式 - hakkaro' | head -n 1");
  std::istringstream geometry(display.Xdotool("getwindowgeometry --shell " + id));
  int x = 0, y = 0;
  for (std::string line; std::getline(geometry, line);) {
    if (line.starts_with("X=")) x = std::stoi(line.substr(2));
    if (line.starts_with("Y=")) y = std::stoi(line.substr(2));
  }
  display.Xdotool("mousemove " + std::to_string(x + 300) + " " + std::to_string(y + 80) +
                  " click 3 sleep 0.5 key --delay 40 Down Down Down Down Down Down Down Down "
                  "Return");
}

// A close whose save is refused says so in a box before the program ends:
// point at the box and answer it.
void AnswerMessageBox(const VirtualDisplay& display) {
  std::string id = display.Xdotool("search --sync --onlyvisible --name '^ケムリナ式$' | head -n 1");
  while (!id.empty() && id.back() == '\n') id.pop_back();
  ASSERT_FALSE(id.empty()) << "no message box told the failed save";
  display.Xdotool("mousemove --window " + id + " 20 20 sleep 0.3 key Return");
}

TEST_P(RealProgram, ComesUpAndLeavesTheDataAlone) {
  const Case& c = GetParam();
  if (c.closedByUser && (!fs::exists("/usr/bin/Xvfb") || Shell("command -v xdotool").empty()))
    GTEST_SKIP() << "needs Xvfb and xdotool";
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

  std::optional<VirtualDisplay> display;
  if (c.closedByUser) display.emplace();
  const auto lockOwner = [&] {
    pid_t pid = 0;
    std::ifstream(runtime / "kemurina.lock") >> pid;
    return pid;
  };
  const auto start = [&] {
    std::vector<std::string> env{"XDG_RUNTIME_DIR=" + runtime.string(),
                                 "HOME=" + folder.Path().string()};
    if (display) {
      env.insert(env.end(), {"QT_QPA_PLATFORM=xcb", "DISPLAY=" + display->Name()});
    } else {
      env.push_back("QT_QPA_PLATFORM=offscreen");
    }
    return faults::Child({KEMURINA_BINARY}, env, folder.Path().c_str(), runAs);
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
  if (display) {
    ExitThroughPopupMenu(*display);
    if (!c.modes.empty()) AnswerMessageBox(*display);
    for (int i = 0; i < 500 && program.Running(); ++i) std::this_thread::sleep_for(20ms);
    EXPECT_EQ(program.Wait(), "exit 0");
  } else {
    program.Signal(SIGTERM);
    EXPECT_EQ(program.Wait(), "signal Terminated");
  }
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
constexpr fs::perms kReadOnly{0444}, kNoAccess{0};
INSTANTIATE_TEST_SUITE_P(
    Starts, RealProgram,
    ::testing::Values(Case{"ReadOnlyDataFolder", kGoodFiles, {}, true},
                      Case{"EmptyReadOnlyDataFolder", {}, {}, true},
                      Case{"DataFolderIsAFile", {{"", "not a folder"}}},
                      Case{"LockLeftByAKilledCopy", kGoodFiles, {}, false, true},
                      Case{"UnreadableInitial", kGoodFiles, {{"initial.ini", kNoAccess}}},
                      Case{"UnreadableOptions", kGoodFiles, {{"option.ini", kNoAccess}}},
                      Case{"ReadOnlyOptionsKeptOnExit",
                           kGoodFiles,
                           {{"option.ini", kReadOnly}},
                           false,
                           false,
                           true}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace kemurina
