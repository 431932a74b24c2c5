#pragma once

#include <gtest/gtest.h>
#include <QStringList>
#include <deque>
#include <vector>

#include "startup/settings_file.h"
#include "tests/gui/data_folder.h"
#include "windows/form1.h"
#include "windows/form7.h"
#include "windows/module.h"
#include "windows/platform.h"

namespace kemurina::testing {

class FakeTray : public TrayIcon {
 public:
  explicit FakeTray(std::function<void()> onRestore) : onRestore_(std::move(onRestore)) {}
  void Add() override { shown_ = true; }
  void Delete() override { shown_ = false; }
  bool IsShown() const override { return shown_; }
  void Click() { onRestore_(); }  // a left click on the icon, as the desktop reports it

 private:
  std::function<void()> onRestore_;
  bool shown_ = false;
};

// Records every side effect and answers the questions a test sets up.
class FakePlatform : public Platform {
 public:
  void ShowMessage(QWidget*, const QString& text) override { messages.push_back(text); }
  bool OpenUrl(const QString& address) override {
    openedUrls.push_back(address);
    return openUrlSucceeds;
  }
  void ClearClipboard() override {
    clipboard.clear();
    ++clipboardClears;
  }
  void SetClipboardText(const QString& text) override { clipboard = text; }
  std::optional<int> ChooseColor(QWidget*) override {
    ++colorRequests;
    if (colorAnswers.empty()) return std::nullopt;
    auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
  }
  bool AcquireSingleInstance() override { return !anotherCopyRuns; }
  void EndProcess() override { ++endRequests; }
  ScreenMetrics Screen() const override { return screen; }
  LocalTime Now() const override { return now; }
  std::uint64_t ClockSeed() const override { return seed; }
  bool TrayAvailable() const override { return trayAvailable; }
  std::unique_ptr<TrayIcon> CreateTrayIcon(QWidget*, const QIcon&, const QString& tip,
                                           std::function<void()> onRestore) override {
    auto icon = std::make_unique<FakeTray>(std::move(onRestore));
    trays.push_back(icon.get());
    trayTips.push_back(tip);
    return icon;
  }

  QStringList messages, openedUrls, trayTips;
  bool openUrlSucceeds = true, anotherCopyRuns = false, trayAvailable = true;
  QString clipboard;
  int clipboardClears = 0, colorRequests = 0, endRequests = 0;
  std::deque<std::optional<int>> colorAnswers;
  ScreenMetrics screen{15360, 11520, 15.0, 15.0};  // 1024 x 768 at 96 DPI
  LocalTime now{2024, 5, 1, 12, 0};
  std::uint64_t seed = 12345;
  std::vector<FakeTray*> trays;
};

// A working folder, the platform double and the program started on them.
class ProgramTest : public ::testing::Test {
 protected:
  // The files of a smoker who quit at 12:00 on 1 May 2024, setup done.
  void WriteFiles(const std::function<void(Settings&)>& adjust = {}) {
    Settings s;
    s.SetQuitDate({2024, 5, 1, 12, 0});
    s.SetupDone = 1;
    if (adjust) adjust(s);
    ASSERT_TRUE(SaveInitial(folder.Data("initial.ini"), s));
    ASSERT_TRUE(SaveOptions(folder.Data("option.ini"), s));
  }
  Module& Start(const LocalTime& now) {
    module.reset();
    platform.trays.clear();  // they went with the windows
    platform.now = now;
    module = std::make_unique<Module>(platform, folder.Base());
    module->Open(RunStartup(folder.Base(), now, module->settings()));
    return *module;
  }
  Form1& Main() { return *module->form1(); }
  Form7& Mini() { return *module->form7(); }

  DataFolder folder;
  FakePlatform platform;
  std::unique_ptr<Module> module;
};

}  // namespace kemurina::testing
