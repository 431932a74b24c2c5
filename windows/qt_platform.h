#pragma once

#include <QLockFile>
#include <memory>

#include "windows/platform.h"
#include "windows/qt_session_watch.h"

namespace kemurina {

// The platform on a real desktop, through Qt.
class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  void ShowMessage(QWidget* parent, const QString& text) override;
  bool OpenUrl(const QString& address) override;
  void ClearClipboard() override;
  void SetClipboardText(const QString& text) override;
  std::optional<int> ChooseColor(QWidget* parent) override;
  bool AcquireSingleInstance() override;
  void EndProcess() override;
  ScreenMetrics Screen() const override;
  bool PositionsReliable() const override;
  LocalTime Now() const override;
  std::uint64_t ClockSeed() const override;
  void WatchSessionEnd(std::function<void()> onEnd) override;
  bool TrayAvailable() const override;
  std::unique_ptr<TrayIcon> CreateTrayIcon(QWidget* owner, const QIcon& icon, const QString& tip,
                                           QMenu* menu, std::function<void()> onRestore) override;

  // The termination signal that ended the session, 0 for none (see main).
  int EndingSignal() const { return session_ ? session_->EndingSignal() : 0; }

 private:
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<QtSessionWatch> session_;
  bool lockHeld_ = false;
};

// Path of the per-user lock that keeps a second copy from starting.
QString SingleInstanceLockPath();

}  // namespace kemurina
