#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "windows/platform.h"

namespace kemurina::testing {

class FakeTray : public TrayIcon {
 public:
  explicit FakeTray(std::function<void()> onRestore) : onRestore_(std::move(onRestore)) {}
  void Add() override {
    shown_ = true;
    ++adds;
  }
  void Delete() override {
    shown_ = false;
    ++deletes;
  }
  bool IsShown() const override { return shown_; }
  // A left click on the icon, as the desktop reports it.
  void Click() { onRestore_(); }
  int adds = 0;
  int deletes = 0;

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

  QStringList messages;
  QStringList openedUrls;
  bool openUrlSucceeds = true;
  QString clipboard;
  int clipboardClears = 0;
  std::deque<std::optional<int>> colorAnswers;
  int colorRequests = 0;
  bool anotherCopyRuns = false;
  int endRequests = 0;
  ScreenMetrics screen{15360, 11520, 15.0, 15.0};  // 1024 x 768 at 96 DPI
  LocalTime now{2024, 5, 1, 12, 0};
  std::uint64_t seed = 12345;
  bool trayAvailable = true;
  std::vector<FakeTray*> trays;
  QStringList trayTips;
};

}  // namespace kemurina::testing
