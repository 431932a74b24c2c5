#include "windows/module.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include "engine/messages.h"
#include "engine/refresh.h"
#include "engine/version_box.h"
#include "startup/settings_file.h"
#include "windows/form1.h"
#include "windows/form7.h"

namespace kemurina {

Module::Module(Platform& platform, std::filesystem::path basePath)
    : platform_(platform), basePath_(std::move(basePath)), paths_(DataPaths::For(basePath_)) {
  platform_.WatchSessionEnd([this] { EndSession(); });
}

Module::~Module() {
  platform_.WatchSessionEnd({});
  // Windows still open (tests, or the end of the event loop) go without their
  // close handlers: the program is ending, not the user closing a window.
  std::set<FormBase*> left = live_;
  live_.clear();
  for (FormBase* form : left) delete form;
}

FormBase* Module::Live(const QPointer<FormBase>& p) const {
  FormBase* form = p.data();
  return form && !form->IsUnloading() ? form : nullptr;
}

Form1* Module::form1() const { return static_cast<Form1*>(Live(form1_)); }
Form7* Module::form7() const { return static_cast<Form7*>(Live(form7_)); }

void Module::Open(FirstWindow first) {
  switch (first) {
    case FirstWindow::Setup:
      OpenFirstStart();
      break;
    case FirstWindow::MainShown:
      if (Form1* main = LoadForm1()) {
        main->show();
        LoadForm7();
      }
      break;
    case FirstWindow::MiniShown:
      if (LoadForm1()) {
        if (Form7* mini = LoadForm7()) mini->show();
      }
      break;
  }
}

Form1* Module::LoadForm1() { return LoadInto<Form1>(form1_); }

Form7* Module::LoadForm7() { return LoadInto<Form7>(form7_); }

void Module::RefreshAll() {
  Form1* main = LoadForm1();
  if (!main) return;
  const RefreshResult r =
      ComputeRefresh(settings_, platform_.Now(), DrawLuck(platform_.ClockSeed()), DayFormToggle);
  snapshot_ = r.Snapshot;
  summarySentence_ = r.SummarySentence;
  main->ShowRefresh(r);
  summaryText_ = r.SummaryText;
  if (Form7* mini = LoadForm7()) mini->SetSummaryText(summaryText_);
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
  const Captions c = ReadCaptions(form1());
  return ComposeFullSummary(Inputs(settings_, snapshot_, DayFormToggle, c, summarySentence_));
}

std::string Module::ComposeShort() const {
  const Captions c = ReadCaptions(form1());
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
  const QString address = QStringLiteral("http://") + QString::fromStdString(settings_.BbsUrl);
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
    platform_.ShowMessage(
        nullptr, QString::fromUtf8(kUnreadableInitialMessage.data(),
                                   static_cast<qsizetype>(kUnreadableInitialMessage.size())));
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

bool Module::PositionsReliable() const {
  return !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

void Module::FormCreated(FormBase* form) { live_.insert(form); }

void Module::FormUnloaded(FormBase* form) {
  live_.erase(form);
  for (QPointer<FormBase>* p :
       {&form1_, &form2_, &form3_, &form4_, &form5_, &form6_, &form7_, &form8_}) {
    if (p->data() == form) p->clear();
  }
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

void Module::EndProcess() {
  ended_ = true;
  platform_.EndProcess();
}

}  // namespace kemurina
