#include <malloc.h>
#include <unistd.h>

#include "tests/gui/program_test.h"

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();  // header not everywhere
#endif

namespace kemurina {
namespace {

long long ResidentBytes() {
  long long size = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> size >> resident;
  return resident * ::sysconf(_SC_PAGESIZE);
}

// Freed blocks wait in the sanitizer's quarantine, counted as resident: only live blocks tell.
long long LiveHeapBytes() {
#if defined(__SANITIZE_ADDRESS__)
  return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
#else
  return static_cast<long long>(mallinfo2().uordblks);
#endif
}

using MonthOfRefreshes = testing::ProgramTest;

// 30 days of the 30-second timer, the user now and then switching window and copying.
TEST_F(MonthOfRefreshes, MemoryDoesNotGrow) {
  WriteFiles();
  Start({2024, 5, 1, 12, 0});
  long long resident = 0, heap = 0;
  for (int tick = 1; tick <= 86400; ++tick) {
    platform.now = testing::AddMinutes({2024, 5, 1, 12, 0}, tick / 2);
    platform.seed = static_cast<std::uint64_t>(tick);
    module->RefreshAll();
    if (tick % 5000 == 0) {
      Main().isVisible() ? Main().SwitchToMini() : Mini().SwitchToMain();
      module->CopyFullSummary();
      module->CopyShortSummary();
    }
    if (tick % 60 == 0) QApplication::processEvents();  // repaint as the screen would
    if (tick == 2880) {                                 // the first day has filled the caches
      resident = ResidentBytes();
      heap = LiveHeapBytes();
    }
  }
  QApplication::processEvents();
  resident = ResidentBytes() - resident;
  heap = LiveHeapBytes() - heap;
  // Longer texts and new glyphs take a little; a leak of 50 bytes a tick would pass 4 MiB.
  EXPECT_LT(heap, 512 * 1024);
#ifndef __SANITIZE_ADDRESS__
  EXPECT_LT(resident, 2 * 1024 * 1024);
#endif
  EXPECT_EQ(Main().Label2[0]->text(), QStringLiteral("０年０ヶ月３０日０時間０分"));
}

}  // namespace
}  // namespace kemurina
