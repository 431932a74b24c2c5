#include "windows/module.h"

#include <QCoreApplication>
#include <QTimer>
#include <utility>

#include "engine/messages.h"
#include "engine/refresh.h"
#include "engine/summary.h"
#include "engine/version_box.h"
#include "startup/save_failed_message.h"
#include "startup/settings_file.h"
#include "windows/form1.h"
#include "windows/form7.h"

namespace kemurina {

Module::Module(Platform& platform, const std::filesystem::path& basePath)
    : platform_(platform), paths_(DataPaths::For(basePath)) {
  platform_.WatchSessionEnd([this] { EndSession(); });
}

Module::~Module() {
  platform_.WatchSessionEnd({});
  // Windows still open (tests, or the end of the event loop) go without their
  // close handlers: the program is ending, not the user closing a window.
  const std::vector<FormBase*> left = std::exchange(live_, {});
  for (FormBase* form : left) delete form;
}

void Module::Open(FirstWindow first) {
  if (first == FirstWindow::Setup) {
    OpenDialog(Dialog::FirstStart);
  } else {
    ShowDisplayWindows();
  }
}

void Module::ShowDisplayWindows(Shown shown) {
  // The record as the windows are asked for, before the main window's load
  // reads the files again.
  Settings asked = settings_;
  const bool miniInUse =
      shown == Shown::ByWindowMode && asked.WindowMode == window_mode::kMiniInUse;
  Form1* main = Load<Form1>();
  Form7* mini = main ? Load<Form7>() : nullptr;
  if (!mini) return;
  // The mini window shown keeps the record as asked: colours picked in the
  // settings dialog and then cancelled stay on it (not on the main window)
  // until the next start, and a corner that could not be saved is kept.
  if (miniInUse) mini->ShowAsIn(asked);
  RefreshAll();
  miniInUse ? mini->show() : main->show();
}

void Module::ProvideDialog(Dialog dialog, std::function<void()> open) {
  dialogs_.at(static_cast<std::size_t>(dialog)) = std::move(open);
}

void Module::OpenDialog(Dialog dialog) {
  if (const auto& open = dialogs_.at(static_cast<std::size_t>(dialog))) open();
}

void Module::RefreshAll() {
  Form1* main = Find<Form1>();
  if (!main) return;
  const RefreshResult r =
      ComputeRefresh(settings_, platform_.Now(), DrawLuck(platform_.ClockSeed()), DayFormToggle);
  snapshot_ = r.Snapshot;
  summarySentence_ = r.SummarySentence;
  main->ShowRefresh(r);
  if (Form7* mini = Find<Form7>()) mini->SetSummaryText(r.SummaryText);
  DayFormToggle = 0;
}

namespace {

struct Captions {
  std::string Elapsed, Money, Status, Count;
};

Captions ReadCaptions(const Form1* main) {
  if (!main) return {};
  return {main->Label2[0]->text().toStdString(), main->Label2[2]->text().toStdString(),
          main->Label2[3]->text().toStdString(), main->Label2[4]->text().toStdString()};
}

SummaryInputs Inputs(const Settings& s, const ProgressSnapshot& snap, int dayFormToggle,
                     const Captions& c, const std::string& sentence) {
  SummaryInputs in = SummaryInputsFor(s, snap, dayFormToggle);
  in.ElapsedCaption = c.Elapsed;
  in.MoneyCaption = c.Money;
  in.StatusCaption = c.Status;
  in.CountCaption = c.Count;
  in.SummarySentence = sentence;
  return in;
}

}  // namespace

std::string Module::ComposeFull() const {
  const Captions c = ReadCaptions(Find<Form1>());
  return ComposeFullSummary(Inputs(settings_, snapshot_, DayFormToggle, c, summarySentence_));
}

std::string Module::ComposeShort() const {
  const Captions c = ReadCaptions(Find<Form1>());
  return ComposeShortSummary(Inputs(settings_, snapshot_, DayFormToggle, c, summarySentence_));
}

void Module::CopyFullSummary() {
  platform_.ClearClipboard();
  platform_.SetClipboardText(QString::fromStdString(ComposeFull()));
}

void Module::CopyShortSummary() {
  platform_.ClearClipboard();
  platform_.SetClipboardText(QString::fromStdString(ComposeShort()));
}

void Module::OpenBbsPage(QWidget* owner) {
  OpenWebPage(owner, QStringLiteral("http://") + QString::fromStdString(settings_.BbsUrl));
}

void Module::OpenWebPage(QWidget* owner, const QString& address) {
  if (!platform_.OpenUrl(address)) {
    platform_.ShowMessage(
        owner, QStringLiteral("エラーです。フォルダオプションの関連付けなどを確認してください"));
  }
}

void Module::ShowVersionBox(QWidget* owner) {
  platform_.ShowMessage(owner, QString::fromStdString(VersionBoxText()));
}

bool Module::SaveInitialFile() { return SaveInitial(paths_.Initial, settings_); }
bool Module::SaveOptionFile() { return SaveOptions(paths_.Options, settings_); }

void Module::ReloadFiles() {
  // A file that cannot be read keeps what start-up already put in memory.
  if (ReloadInitial(paths_.Initial, platform_.Now(), settings_) == InitialReload::StandIn) {
    platform_.ShowMessage(nullptr, QString::fromUtf8(kUnreadableInitialMessage));
  }
  LoadOptions(paths_.Options, settings_);
}

QIcon Module::AppIcon() const {
  // Built once: every window and tray icon asks for it, and decoding the
  // pictures is a good part of start-up. Title bars, task bars and trays draw
  // 16 to 64 pixels; the launcher's large sizes are installed as files.
  if (appIcon_.isNull()) {
    for (int size : {16, 32, 48, 64}) {
      appIcon_.addFile(QStringLiteral(":/icon_%1.png").arg(size), QSize(size, size));
    }
  }
  return appIcon_;
}

void Module::FormCreated(FormBase* form) { live_.push_back(form); }

void Module::FormUnloaded(FormBase* form) {
  std::erase(live_, form);
  if (!live_.empty()) return;
  // Checked once the current handler has finished: a handler that unloads
  // one window and opens another leaves the program running.
  QTimer::singleShot(0, &quitContext_, [this] {
    if (!live_.empty()) return;
    if (closeSaveFailed_ && !sessionEnding_) {
      closeSaveFailed_ = false;
      TellSaveFailed(nullptr);
    }
    QCoreApplication::quit();
  });
}

void Module::EndSession() {
  if (sessionEnding_) return;
  sessionEnding_ = true;

  // The window in use (on screen, minimised or in the tray) closes as its
  // exit item would: its close handler saves its corner and takes the other
  // display window down, which saves its own, each writing option.ini.
  Form1* main = Find<Form1>();
  Form7* mini = Find<Form7>();
  FormBase* inUse = main;
  if (settings_.WindowMode == window_mode::kMiniInUse && mini) inUse = mini;
  if (!inUse) inUse = mini;
  if (inUse) inUse->Unload();

  // Whatever else is open goes without opening another window: the settings
  // dialog does not bring back its opener nor the notice the dialog, so what
  // the user has not saved is not written, and the files keep what the last
  // close or save wrote. A first start not yet confirmed stays unconfirmed.
  ended_ = true;
  const std::vector<FormBase*> left = live_;
  for (FormBase* form : left) {
    if (!form->IsUnloading()) form->Unload();
  }
  QCoreApplication::quit();
}

void Module::SaveOptionsOnClose() { closeSaveFailed_ = !SaveOptionFile(); }

void Module::TellSaveFailed(QWidget* parent) {
  platform_.ShowMessage(parent, QString::fromStdString(SaveFailedMessage(paths_.Folder.string())));
}

void Module::EndProcess() {
  ended_ = true;
  platform_.EndProcess();
}

}  // namespace kemurina
