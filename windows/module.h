#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <concepts>
#include <filesystem>
#include <set>
#include <string>

#include "engine/progress.h"
#include "engine/summary.h"
#include "startup/settings.h"
#include "startup/startup.h"
#include "windows/form_base.h"
#include "windows/platform.h"

class QWidget;

namespace kemurina {

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;
class Form8;

// The program's shared module: the settings record, the values a refresh
// leaves for the copy commands, and one object per window, created on first
// use and reused until it is unloaded. The process ends when no window is left.
class Module {
 public:
  Module(Platform& platform, std::filesystem::path basePath);
  ~Module();
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  Platform& platform() const { return platform_; }
  Settings& settings() { return settings_; }
  const DataPaths& Paths() const { return paths_; }
  const std::filesystem::path& BasePath() const { return basePath_; }

  // Opens what start-up chose.
  void Open(FirstWindow first);

  // --- the main and mini windows ---------------------------------------
  Form1* form1() const;
  Form7* form7() const;
  // Creates the window (running its load handler) when it does not exist;
  // nullptr when its load ended the program (a second copy).
  Form1* LoadForm1();
  Form7* LoadForm7();

  // --- the refresh and what it leaves behind -----------------------------
  void RefreshAll();
  const ProgressSnapshot& Snapshot() const { return snapshot_; }
  const std::string& SummarySentence() const { return summarySentence_; }
  const std::string& SummaryText() const { return summaryText_; }
  int DayFormToggle = 0;

  // --- commands shared by the main and mini windows ----------------------
  std::string ComposeFull() const;
  std::string ComposeShort() const;
  void CopyFullSummary();
  void CopyShortSummary();
  void OpenBbsPage(QWidget* owner);
  void ShowVersionBox(QWidget* owner);
  void OpenSettingsDialog();
  void OpenHelpWindow();

  // --- dialogs ------------------------------------------------------------
  // The first-start flow: the setup dialog, then welcome (and season).
  void OpenFirstStart();
  Form2* form2() const;
  Form3* form3() const;
  Form4* form4() const;
  Form5* form5() const;
  Form6* form6() const;
  Form8* form8() const;
  Form2* LoadForm2();
  Form3* LoadForm3();
  Form4* LoadForm4();
  Form5* LoadForm5();
  Form6* LoadForm6();
  Form8* LoadForm8();

  // The settings files; false when the file could not be written.
  bool SaveInitialFile();
  bool SaveOptionFile();
  // Re-reads both files; a file that cannot be read keeps what is in memory.
  void ReloadFiles();

  QIcon AppIcon() const;

  // --- the end of a session, and saves that fail (session_end.cpp) --------
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
  // False where the window system does not tell programs where their windows
  // are (Wayland): stored positions are then kept as they were.
  bool PositionsReliable() const;
  void EndProcess();

 private:
  // The window behind a pointer, or nullptr once it is being unloaded.
  FormBase* Live(const QPointer<FormBase>& p) const;

  // The window kept in `slot`, created on first use with its load handler
  // run. A load handler that answers false has ended the program (a second
  // copy); that window is dropped and nullptr returned.
  template <typename F>
  F* LoadInto(QPointer<FormBase>& slot) {
    if (ended_) return nullptr;
    if (FormBase* existing = Live(slot)) return static_cast<F*>(existing);
    auto* created = new F(*this);
    slot = created;
    if constexpr (requires {
                    { created->Load() } -> std::same_as<bool>;
                  }) {
      if (!created->Load()) {
        delete created;
        return nullptr;
      }
    } else if constexpr (requires { created->Load(); }) {
      created->Load();
    }
    return static_cast<F*>(Live(slot));
  }

  Platform& platform_;
  std::filesystem::path basePath_;
  DataPaths paths_;
  Settings settings_;

  ProgressSnapshot snapshot_;
  std::string summarySentence_;
  std::string summaryText_;

  QPointer<FormBase> form1_;
  QPointer<FormBase> form2_;
  QPointer<FormBase> form3_;
  QPointer<FormBase> form4_;
  QPointer<FormBase> form5_;
  QPointer<FormBase> form6_;
  QPointer<FormBase> form7_;
  QPointer<FormBase> form8_;
  std::set<FormBase*> live_;
  bool ended_ = false;
  bool sessionEnding_ = false;
  // The last close handler's write of option.ini failed.
  bool closeSaveFailed_ = false;
  // Owns the deferred end-of-program check, so it dies with the module.
  QObject quitContext_;
  mutable QIcon appIcon_;
};

}  // namespace kemurina
