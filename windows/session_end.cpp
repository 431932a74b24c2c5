// The module's side of a session that ends under the program, and of saves
// that fail: a log-off must keep what the exit item keeps, and a lost save
// must not pass for a kept one.
#include <QCoreApplication>
#include <set>

#include "startup/save_failed_message.h"
#include "windows/form1.h"
#include "windows/form7.h"
#include "windows/module.h"

namespace kemurina {

void Module::EndSession() {
  if (sessionEnding_) return;
  sessionEnding_ = true;

  // The window in use (on screen, minimised or in the tray) closes as its
  // exit item would: its close handler saves its corner and takes the other
  // display window down, which saves its own, each writing option.ini.
  Form1* main = form1();
  Form7* mini = form7();
  FormBase* inUse = main;
  if (settings_.WindowMode == window_mode::kMiniInUse && mini) inUse = mini;
  if (!inUse) inUse = mini;
  if (inUse) inUse->Unload();

  // Whatever else is open goes without opening another window: the settings
  // dialog does not bring back its opener nor the notice the dialog, so what
  // the user has not saved is not written, and the files keep what the last
  // close or save wrote. A first start not yet confirmed stays unconfirmed.
  ended_ = true;
  const std::set<FormBase*> left = live_;
  for (FormBase* form : left) {
    if (!form->IsUnloading()) form->Unload();
  }
  QCoreApplication::quit();
}

void Module::SaveOptionsOnClose() { closeSaveFailed_ = !SaveOptionFile(); }

void Module::TellSaveFailed(QWidget* parent) {
  platform_.ShowMessage(parent, QString::fromStdString(SaveFailedMessage(paths_.Folder.string())));
}

}  // namespace kemurina
