// The real program, headless (offscreen), started on data folders it cannot
// use and over a lock left by a killed copy.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "startup/settings_file.h"
#include "tests/faults/child_process.h"
#include "tests/faults/save_versions.h"
#include "tests/unit/scratch_folder.h"

namespace kemurina {
namespace {

using faults::Child;
using faults::WaitUntil;
using test_support::ReadBytes;
using test_support::ScratchFolder;
using test_support::WriteBytes;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

// Read-only means nothing to root: the program then runs as nobody.
constexpr uid_t kNobody = 65534;

class RealProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    runtime_ = folder_.Path() / "runtime";
    fs::create_directory(runtime_);
    fs::permissions(runtime_, fs::perms::owner_all, fs::perm_options::replace);
    data_ = folder_.Path() / "kemurinadata";
  }

  fs::path Lock() const { return runtime_ / "kemurina.lock"; }

  // The pid written on the lock's first line, or 0.
  pid_t LockOwner() const {
    std::ifstream in(Lock());
    long pid = 0;
    return (in >> pid) ? static_cast<pid_t>(pid) : 0;
  }

  void WriteGoodFiles() {
    fs::create_directory(data_);
    ASSERT_TRUE(SaveInitial(data_ / "initial.ini", faults::VersionA()));
    ASSERT_TRUE(SaveOptions(data_ / "option.ini", faults::VersionA()));
  }

  // Hands the whole working folder to nobody when the test runs as root.
  std::optional<uid_t> Unprivileged() {
    if (::geteuid() != 0) return std::nullopt;
    for (const auto& e : fs::recursive_directory_iterator(folder_.Path())) {
      if (::lchown(e.path().c_str(), kNobody, kNobody) != 0) ADD_FAILURE() << e.path();
    }
    if (::chown(folder_.Path().c_str(), kNobody, kNobody) != 0) ADD_FAILURE();
    return kNobody;
  }

  std::unique_ptr<Child> Start(std::optional<uid_t> runAs = std::nullopt) {
    Child::Options run;
    run.argv = {KEMURINA_BINARY};
    run.workingFolder = folder_.Path();
    run.environment = {"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + runtime_.string(),
                       "HOME=" + folder_.Path().string()};
    run.runAs = runAs;
    return std::make_unique<Child>(run);
  }

  // The program has got as far as its first window (every window's load
  // takes the single-instance lock first) and is still alive a moment later.
  void ExpectRunningWindow(Child& program) {
    ASSERT_TRUE(WaitUntil([&] { return LockOwner() == program.Pid() || !program.Running(); }, 30s))
        << "no window was loaded";
    std::this_thread::sleep_for(1500ms);
    ASSERT_TRUE(program.Running()) << faults::DescribeStatus(program.Wait());
  }

  void ExpectEndsOnTerm(Child& program) {
    program.Signal(SIGTERM);
    const int status = program.Wait();
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM)
        << faults::DescribeStatus(status);
  }

  ScratchFolder folder_;
  fs::path runtime_;
  fs::path data_;
};

TEST_F(RealProgram, RunsOnAReadOnlyDataFolderAndLeavesItAlone) {
  WriteGoodFiles();
  const std::string initial = ReadBytes(data_ / "initial.ini");
  const std::string options = ReadBytes(data_ / "option.ini");
  const auto runAs = Unprivileged();
  fs::permissions(data_, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);

  auto program = Start(runAs);
  ExpectRunningWindow(*program);
  ExpectEndsOnTerm(*program);
  EXPECT_EQ(ReadBytes(data_ / "initial.ini"), initial);
  EXPECT_EQ(ReadBytes(data_ / "option.ini"), options);
}

TEST_F(RealProgram, RunsOnAnEmptyReadOnlyDataFolder) {
  // Start-up cannot create the files: it goes on with the defaults (the
  // first-start window).
  fs::create_directory(data_);
  const auto runAs = Unprivileged();
  fs::permissions(data_, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);

  auto program = Start(runAs);
  ExpectRunningWindow(*program);
  ExpectEndsOnTerm(*program);
  EXPECT_TRUE(fs::is_empty(data_));
}

TEST_F(RealProgram, RunsWhenTheDataFolderIsAFile) {
  WriteBytes(data_, "not a folder");
  auto program = Start();
  ExpectRunningWindow(*program);
  ExpectEndsOnTerm(*program);
  EXPECT_TRUE(fs::is_regular_file(data_));
  EXPECT_EQ(ReadBytes(data_), "not a folder");
}

TEST_F(RealProgram, ALockLeftByAKilledCopyDoesNotBlockTheNextStart) {
  WriteGoodFiles();
  auto killed = Start();
  ExpectRunningWindow(*killed);
  killed->Signal(SIGKILL);
  killed->Wait();
  // The dead copy's lock is still there.
  ASSERT_TRUE(fs::exists(Lock()));
  ASSERT_EQ(LockOwner(), killed->Pid());

  auto next = Start();
  ExpectRunningWindow(*next);
  EXPECT_EQ(LockOwner(), next->Pid());
  ExpectEndsOnTerm(*next);
}

}  // namespace
}  // namespace kemurina
