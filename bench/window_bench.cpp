// Module::RefreshAll with both windows loaded, writing the real controls:
// headless (offscreen platform) with the desktop double of the window tests.
// The clock alternates between two adjacent minutes so every call changes the
// captions, as a real tick does once a minute.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <memory>

#include "startup/settings_file.h"
#include "startup/startup.h"
#include "tests/gui/fake_platform.h"
#include "tests/unit/scratch_folder.h"
#include "windows/fonts.h"
#include "windows/form1.h"
#include "windows/form7.h"
#include "windows/module.h"

namespace kemurina {
namespace {

constexpr LocalTime kNow{2024, 5, 1, 12, 0};
constexpr LocalTime kMinuteLater{2024, 5, 1, 12, 1};
constexpr LocalTime kQuitNow{2024, 5, 1, 12, 0};
constexpr LocalTime kQuitYearAgo{2023, 5, 2, 12, 0};
constexpr LocalTime kQuitFiftyYearsAgo{1974, 5, 1, 12, 0};

constexpr int kMainShown = 2;
constexpr int kMiniShown = 1;

// A set-up program whose smoker quit at `quit`, opened as start-up opens it.
class RunningProgram {
 public:
  RunningProgram(const LocalTime& quit, int windowMode) {
    Settings s;
    s.SetQuitDate(quit);
    s.SetupDone = 1;
    s.CopyPlusMode = 2;
    s.WindowMode = windowMode;
    const std::filesystem::path data = folder_.Path() / "kemurinadata";
    std::filesystem::create_directory(data);
    SaveInitial(data / "initial.ini", s);
    SaveOptions(data / "option.ini", s);
    platform_.now = kNow;
    module_ = std::make_unique<Module>(platform_, folder_.Path());
    module_->Open(RunStartup(folder_.Path(), kNow, module_->settings()).Window);
    QCoreApplication::processEvents();
  }
  ~RunningProgram() {
    module_.reset();
    QCoreApplication::processEvents();
  }
  bool Ok() const { return module_->Find<Form1>() && module_->Find<Form7>(); }

  // One timer tick, a minute after the previous one.
  void Tick() {
    minuteLater_ = !minuteLater_;
    platform_.now = minuteLater_ ? kMinuteLater : kNow;
    module_->RefreshAll();
  }

 private:
  test_support::ScratchFolder folder_;
  testing::FakePlatform platform_;
  std::unique_ptr<Module> module_;
  bool minuteLater_ = false;
};

void BM_RefreshAll(benchmark::State& state, LocalTime quit) {
  RunningProgram program(quit, kMainShown);
  if (!program.Ok()) {
    state.SkipWithError("the main and mini windows did not open");
    return;
  }
  for (auto _ : state) program.Tick();
}

// The same tick followed by the repaint it causes in the visible window,
// drawn by the raster engine into the offscreen backing store.
void BM_RefreshAllThenRepaint(benchmark::State& state, LocalTime quit, int windowMode) {
  RunningProgram program(quit, windowMode);
  if (!program.Ok()) {
    state.SkipWithError("the main and mini windows did not open");
    return;
  }
  for (auto _ : state) {
    program.Tick();
    QCoreApplication::processEvents();
  }
}

BENCHMARK_CAPTURE(BM_RefreshAll, day0, kQuitNow);
BENCHMARK_CAPTURE(BM_RefreshAll, day365, kQuitYearAgo);
BENCHMARK_CAPTURE(BM_RefreshAll, year50, kQuitFiftyYearsAgo);
BENCHMARK_CAPTURE(BM_RefreshAllThenRepaint, day365_main, kQuitYearAgo, kMainShown);
BENCHMARK_CAPTURE(BM_RefreshAllThenRepaint, day365_mini, kQuitYearAgo, kMiniShown);

}  // namespace
}  // namespace kemurina

int main(int argc, char** argv) {
  // Headless unless the caller chose a platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  kemurina::InstallFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
