#include "dialogs/provide_dialogs.h"

#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/form5.h"
#include "windows/module.h"

namespace kemurina {

namespace {

void BringForward(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

void ProvideDialogs(Module& module) {
  module.ProvideDialog(Dialog::FirstStart, [&module] {
    if (Form3* setup = module.Load<Form3>()) setup->show();
  });
  module.ProvideDialog(Dialog::Settings, [&module] {
    if (Form2* dialog = module.Load<Form2>()) BringForward(dialog);
  });
  module.ProvideDialog(Dialog::Help, [&module] {
    Form5* help = module.Load<Form5>();
    if (!help) return;
    // Asked for again while minimised, it comes back rather than staying an icon.
    if (help->windowState() & Qt::WindowMinimized) {
      help->setWindowState(help->windowState() & ~Qt::WindowMinimized);
    }
    BringForward(help);
  });
}

}  // namespace kemurina
