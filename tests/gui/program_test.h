#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <chrono>
#include <fstream>

#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/form4.h"
#include "dialogs/form5.h"
#include "dialogs/form6.h"
#include "dialogs/form8.h"
#include "dialogs/provide_dialogs.h"
#include "startup/save_failed_message.h"
#include "startup/settings_file.h"
#include "tests/gui/fake_platform.h"
#include "tests/unit/scratch_folder.h"
#include "windows/form1.h"
#include "windows/form7.h"
#include "windows/module.h"

namespace kemurina::testing {

// The local time `minutes` later (earlier when negative), across days, months and leap years.
inline LocalTime AddMinutes(const LocalTime& t, long long minutes) {
  using namespace std::chrono;
  const auto moment = sys_days{year{t.Year} / t.Month / t.Day} +
                      std::chrono::minutes{t.Hour * 60 + t.Minute + minutes};
  const year_month_day ymd{floor<days>(moment)};
  const auto inDay = (moment - sys_days{ymd}).count();
  return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())), int(inDay / 60),
          int(inDay % 60)};
}

// Unloaded windows go with deleteLater; this lets them go now.
inline void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// A fresh working folder (removed afterwards), the platform double and the program on them.
class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() { std::filesystem::create_directory(base / "kemurinadata"); }
  ~ProgramTest() override { FlushDeletes(); }  // before the module the windows belong to goes

  std::filesystem::path Data(const char* name) const { return base / "kemurinadata" / name; }
  std::string Read(const char* name) const { return test_support::ReadBytes(Data(name)); }
  auto Files() const { return std::pair{Read("initial.ini"), Read("option.ini")}; }
  Settings OnDisk() const {
    Settings s;
    EXPECT_TRUE(LoadInitial(Data("initial.ini"), s) && LoadOptions(Data("option.ini"), s));
    return s;
  }

  // The files of a smoker who quit at 12:00 on 1 May 2024, setup done, main window at (100, 80).
  void WriteFiles(const std::function<void(Settings&)>& adjust = {}) {
    Settings s{.SetupDone = 1, .MainLeft = 1500, .MainTop = 1200};
    s.SetQuitDate({2024, 5, 1, 12, 0});
    if (adjust) adjust(s);
    ASSERT_TRUE(SaveInitial(Data("initial.ini"), s) && SaveOptions(Data("option.ini"), s));
  }
  Module& Start(const LocalTime& now) {
    FlushDeletes();
    module.reset();
    platform.trays.clear();  // they went with the windows
    platform.now = now;
    module = std::make_unique<Module>(platform, base);
    ProvideDialogs(*module);
    module->Open(RunStartup(base, now, module->settings()).Window);
    return *module;
  }
  // Running as root ignores permissions: a file in the folder's place cannot be written into.
  void BreakDataFolder() const {
    std::filesystem::remove_all(base / "kemurinadata");
    std::ofstream(base / "kemurinadata") << "x";
  }
  QString SaveFailed() const {
    return QString::fromStdString(SaveFailedMessage((base / "kemurinadata").string()));
  }
  Form1& Main() { return *module->Find<Form1>(); }
  Form7& Mini() { return *module->Find<Form7>(); }

  const test_support::ScratchFolder folder;
  const std::filesystem::path base = folder.Path();
  FakePlatform platform;
  std::unique_ptr<Module> module;
};

}  // namespace kemurina::testing
