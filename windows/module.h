#pragma once

#include <QIcon>
#include <QObject>
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/progress.h"
#include "startup/settings.h"
#include "startup/startup.h"
#include "windows/form_base.h"
#include "windows/platform.h"

class QWidget;

namespace kemurina {

// The windows the display windows open without knowing them: the dialogs
// hand the module an opener for each at start-up.
enum class Dialog { FirstStart, Settings, Help };

// The program's shared module: the settings record, the values a refresh
// leaves for the copy commands, and the live windows, each created on first
// use and reused until it is unloaded. The process ends when no window is left.
class Module {
 public:
  Module(Platform& platform, const std::filesystem::path& basePath);
  ~Module();
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  Platform& platform() const { return platform_; }
  Settings& settings() { return settings_; }
  const DataPaths& Paths() const { return paths_; }

  // Opens what start-up chose.
  void Open(FirstWindow first);
  // The one way the main and the mini window come up, at start-up, after the
  // settings dialog and at the end of the first start: the main window first
  // (its timer drives both), then the mini window, one refresh, and the one
  // WindowMode asks for shown; a finished first start always shows the main
  // window.
  enum class Shown { ByWindowMode, Main };
  void ShowDisplayWindows(Shown shown = Shown::ByWindowMode);

  void ProvideDialog(Dialog dialog, std::function<void()> open);
  void OpenDialog(Dialog dialog);

  // The live windows of type F, not counting one being unloaded.
  template <typename F>
  std::vector<F*> FindAll() const {
    std::vector<F*> found;
    for (FormBase* form : live_) {
      if (auto* f = qobject_cast<F*>(form); f && !form->IsUnloading()) found.push_back(f);
    }
    return found;
  }
  // The live window of type F, or nullptr (also while it is being unloaded).
  template <typename F>
  F* Find() const {
    const std::vector<F*> found = FindAll<F>();
    return found.empty() ? nullptr : found.front();
  }

  // The window of type F, created with its load handler run when it does not
  // exist. A load that ended the program (a second copy) drops the window and
  // gives nullptr.
  template <typename F>
  F* Load() {
    if (ended_) return nullptr;
    if (F* existing = Find<F>()) return existing;
    auto* created = new F(*this);
    created->Load();
    if (!ended_) return created;
    delete created;
    return nullptr;
  }

  // --- the refresh and what it leaves behind -----------------------------
  void RefreshAll();
  const ProgressSnapshot& Snapshot() const { return snapshot_; }
  int DayFormToggle = 0;

  // --- commands shared by the main and mini windows ----------------------
  std::string ComposeFull() const;
  std::string ComposeShort() const;
  void CopyFullSummary();
  void CopyShortSummary();
  void OpenBbsPage(QWidget* owner);
  // Hands an address to the browser; a failure is told in a message box.
  void OpenWebPage(QWidget* owner, const QString& address);
  void ShowVersionBox(QWidget* owner);

  // The settings files; false when the file could not be written.
  bool SaveInitialFile();
  bool SaveOptionFile();
  // Re-reads both files; a file that cannot be read keeps what is in memory.
  void ReloadFiles();

  QIcon AppIcon() const;

  // --- the end of a session, and saves that fail ---------------------------
  // The desktop session ends the program (log-off, a termination signal):
  // the window in use closes as its exit item closes it, every other window
  // goes without opening another, and the program ends. Runs once.
  void EndSession();
  // option.ini from a display window's close handler. A failure is told once
  // the last window has gone, unless the session is ending.
  void SaveOptionsOnClose();
  // The message box for a settings file that could not be written.
  void TellSaveFailed(QWidget* parent);

  // Window bookkeeping, called by FormBase.
  void FormCreated(FormBase* form);
  void FormUnloaded(FormBase* form);
  bool AnyWindowLoaded() const { return !live_.empty(); }
  // True once a load handler refused to run (a second copy).
  bool Ended() const { return ended_; }
  void EndProcess();

 private:
  Platform& platform_;
  DataPaths paths_;
  Settings settings_;

  ProgressSnapshot snapshot_;
  std::string summarySentence_;

  std::vector<FormBase*> live_;
  std::array<std::function<void()>, 3> dialogs_;
  bool ended_ = false;
  bool sessionEnding_ = false;
  // The last close handler's write of option.ini failed.
  bool closeSaveFailed_ = false;
  // Owns the deferred end-of-program check, so it dies with the module.
  QObject quitContext_;
  mutable QIcon appIcon_;
};

}  // namespace kemurina
