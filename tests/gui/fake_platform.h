// The desktop replaced by a double that records every side effect.
#pragma once

#include <QStringList>
#include <vector>

#include "windows/platform.h"

namespace kemurina::testing {

struct FakeTray : TrayIcon {
  FakeTray(std::function<void()> restore, QString text, QMenu* m)
      : onRestore(restore), tip(text), menu(m) {}
  void Add() override { shown = true; }
  void Delete() override { shown = false; }
  bool IsShown() const override { return shown; }
  std::function<void()> onRestore;  // a left click on the icon, as the desktop reports it
  QString tip;
  QMenu* menu;  // what the context click on the icon opens
  bool shown = false;
};

// Records every side effect and answers the questions a test sets up.
class FakePlatform : public Platform {
 public:
  void ShowMessage(QWidget*, const QString& text) override { messages.push_back(text); }
  bool OpenUrl(const QString& address) override {
    openedUrls.push_back(address);
    return openUrlSucceeds;
  }
  void ClearClipboard() override { clipboard.clear(); }
  void SetClipboardText(const QString& text) override { clipboard = text; }
  std::optional<int> ChooseColor(QWidget*) override {
    return colorAnswers.empty() ? std::nullopt : colorAnswers.takeFirst();
  }
  bool AcquireSingleInstance() override { return !anotherCopyRuns; }
  void EndProcess() override { ++endRequests; }
  ScreenMetrics Screen() const override { return screen; }
  bool PositionsReliable() const override { return positionsReliable; }
  LocalTime Now() const override { return now; }
  std::uint64_t ClockSeed() const override {
    ++seedReads;  // once per refresh
    return seed;
  }
  void WatchSessionEnd(std::function<void()> onEnd) override { endSession = std::move(onEnd); }
  bool TrayAvailable() const override { return trayAvailable; }
  std::unique_ptr<TrayIcon> CreateTrayIcon(QWidget*, const QIcon&, const QString& tip, QMenu* menu,
                                           std::function<void()> onRestore) override {
    auto icon = std::make_unique<FakeTray>(onRestore, tip, menu);
    trays.push_back(icon.get());
    return icon;
  }

  QStringList messages, openedUrls;
  bool openUrlSucceeds = true, anotherCopyRuns = false, trayAvailable = true,
       positionsReliable = true;  // false: a window system that keeps places to itself
  QString clipboard;
  int endRequests = 0;
  QList<std::optional<int>> colorAnswers;
  ScreenMetrics screen{15360, 11520, 15.0, 15.0};  // 1024 x 768 at 96 DPI
  LocalTime now{2024, 5, 1, 12, 0};
  std::uint64_t seed = 12345;
  mutable int seedReads = 0;
  std::vector<FakeTray*> trays;
  std::function<void()> endSession;  // what a log-off or a termination signal would call
};

}  // namespace kemurina::testing
