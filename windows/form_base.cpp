#include "windows/form_base.h"

#include <QCloseEvent>

#include "windows/module.h"

namespace kemurina {

FormBase::FormBase(Module& module) : QWidget(nullptr), module_(module) {
  module_.FormCreated(this);
}

FormBase::~FormBase() {
  if (!unloading_) module_.FormUnloaded(this);
}

void FormBase::Unload() {
  if (unloading_) return;
  unloading_ = true;
  OnUnload();
  hide();
  module_.FormUnloaded(this);
  deleteLater();
}

void FormBase::closeEvent(QCloseEvent* event) {
  // The window is taken down by Unload (which may have to run handlers that
  // unload other windows first); the system's own close is not needed.
  event->ignore();
  Unload();
}

}  // namespace kemurina
