#include "windows/form_base.h"

#include <QCloseEvent>

#include "windows/fonts.h"
#include "windows/module.h"
#include "windows/twips.h"

namespace kemurina {

FormBase::FormBase(Module& module) : QWidget(nullptr), module_(module) {
  module_.FormCreated(this);
}

FormBase::~FormBase() {
  if (!unloading_) module_.FormUnloaded(this);
}

void FormBase::SetUpFixedWindow(const QString& caption, int clientWidthTwips, int clientHeightTwips,
                                MinimiseButton minimise) {
  setWindowTitle(caption);
  Qt::WindowFlags flags =
      Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  if (minimise == MinimiseButton::Yes) flags |= Qt::WindowMinimizeButtonHint;
  setWindowFlags(flags);
  setWindowIcon(module_.AppIcon());
  setFont(DesignFont(9));
  const Twips tw(module_.platform().Screen());
  setFixedSize(tw.X(clientWidthTwips), tw.Y(clientHeightTwips));
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
