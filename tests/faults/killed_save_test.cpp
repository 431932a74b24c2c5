#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "startup/settings_file.h"
#include "tests/faults/child_process.h"
#include "tests/faults/save_versions.h"
#include "tests/unit/scratch_folder.h"

namespace kemurina {
namespace {

using faults::Child;
using test_support::ReadBytes;
using test_support::ScratchFolder;

// Kills a process that saves both files in a loop, at random moments, again
// and again: each file must always be one whole version, old or new.
TEST(KilledWhileSaving, EveryFileIsAlwaysOneWholeVersion) {
  constexpr int kKills = 300;
  ScratchFolder folder;
  const auto initial = folder.Path() / "initial.ini";
  const auto options = folder.Path() / "option.ini";
  const std::string initialA = InitialFileBytes(faults::VersionA());
  const std::string initialB = InitialFileBytes(faults::VersionB());
  const std::string optionsA = OptionFileBytes(faults::VersionA());
  const std::string optionsB = OptionFileBytes(faults::VersionB());
  ASSERT_NE(initialA.size(), initialB.size());
  ASSERT_NE(optionsA.size(), optionsB.size());

  std::mt19937 random(20240424);
  // Up to a few milliseconds: long enough to land anywhere in a save,
  // sometimes inside the first one.
  std::uniform_int_distribution<int> delayMicros(0, 4000);
  int sawB = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    ASSERT_TRUE(SaveInitial(initial, faults::VersionA()));
    ASSERT_TRUE(SaveOptions(options, faults::VersionA()));
    Child::Options run;
    run.argv = {KEMURINA_SAVE_LOOP, folder.Path().string()};
    run.pipeStdout = true;
    Child saver(run);
    if (kill % 2 == 0) {
      // Half the kills wait for a whole pair of saves first, so the loop is
      // surely running; the others may hit the very first write.
      ASSERT_TRUE(saver.WaitForByte()) << "the save loop ended by itself";
    }
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicros(random)));
    saver.Signal(SIGKILL);
    const int status = saver.Wait();
    ASSERT_TRUE(WIFSIGNALED(status)) << faults::DescribeStatus(status);

    const std::string i = ReadBytes(initial);
    const std::string o = ReadBytes(options);
    ASSERT_TRUE(i == initialA || i == initialB) << "kill " << kill << ": initial.ini is " << i;
    ASSERT_TRUE(o == optionsA || o == optionsB) << "kill " << kill << ": option.ini is " << o;
    Settings read;
    ASSERT_TRUE(LoadInitial(initial, read));
    ASSERT_TRUE(LoadOptions(options, read));
    sawB += (i == initialB) + (o == optionsB);
  }
  // Kills that always came too early or too late would prove nothing.
  EXPECT_GT(sawB, 0);
  EXPECT_LT(sawB, 2 * kKills);

  // A killed save may leave its temporary file behind, but only the one per
  // file that the next save reuses: hundreds of kills must not pile them up.
  int leftovers = 0;
  for (const std::string& name : ScratchFolder::Entries(folder.Path())) {
    if (name != "initial.ini" && name != "option.ini") {
      ++leftovers;
      EXPECT_TRUE(name == "initial.ini.tmp" || name == "option.ini.tmp") << name;
    }
  }
  EXPECT_LE(leftovers, 2);
  RecordProperty("kills", kKills);
  RecordProperty("new_versions_seen", sawB);
  RecordProperty("temporary_files_left", leftovers);
  std::printf("%d kills survived; new version seen %d times; %d temporary files left\n", kKills,
              sawB, leftovers);
}

}  // namespace
}  // namespace kemurina
