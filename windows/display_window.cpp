#include "windows/display_window.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

#include "windows/app_title.h"
#include "windows/form1.h"
#include "windows/form7.h"
#include "windows/module.h"

namespace kemurina {

void DisplayWindow::CreateTray() {
  tray_ = module_.platform().CreateTrayIcon(this, module_.AppIcon(), AppTitle(), mnuPopup,
                                            [this] { RestoreFromTray(); });
}

void DisplayWindow::RemoveTrayIcon() {
  if (tray_) tray_->Delete();
}

void DisplayWindow::HideToTray() {
  // Without a notification area the icon could never bring the window back,
  // so the window stays where it is.
  if (!module_.platform().TrayAvailable() || !tray_) return;
  hide();
  tray_->Add();
}

void DisplayWindow::RestoreFromTray() {
  show();
  raise();
  activateWindow();
  RemoveTrayIcon();
}

bool DisplayWindow::OnWindowItself(const QMouseEvent* e) const {
  // Controls that leave a button to their parent (push buttons ignore the
  // right one) pass the event up here, mapped to the window: it still
  // belongs to the control under the pointer, not to the window.
  return childAt(e->position().toPoint()) == nullptr;
}

void DisplayWindow::mousePressEvent(QMouseEvent* e) {
  if (!OnWindowItself(e)) return;
  if (e->button() == Qt::RightButton) {
    mnuPopup->popup(e->globalPosition().toPoint());
    return;
  }
  FormBase::mousePressEvent(e);
}

void DisplayWindow::contextMenuEvent(QContextMenuEvent* e) {
  // The right button opens the menu on press; the menu key (or Shift+F10)
  // reaches it here, wherever the focus is.
  if (e->reason() == QContextMenuEvent::Keyboard) {
    mnuPopup->popup(mapToGlobal(QPoint(width() / 2, height() / 2)));
    e->accept();
    return;
  }
  e->ignore();
}

void DisplayWindow::showEvent(QShowEvent* e) {
  FormBase::showEvent(e);
  // The icon's menu can bring up the other window (mini or standard size),
  // not only the icon's own; one window shows at a time and an icon stands
  // for the program hidden, so no icon stays behind.
  for (DisplayWindow* window : {static_cast<DisplayWindow*>(module_.form1()),
                                static_cast<DisplayWindow*>(module_.form7())}) {
    if (window) window->RemoveTrayIcon();
  }
}

void DisplayWindow::mouseDoubleClickEvent(QMouseEvent* e) {
  if (!OnWindowItself(e)) return;
  if (e->button() == Qt::LeftButton) {
    HideToTray();
    return;
  }
  FormBase::mouseDoubleClickEvent(e);
}

}  // namespace kemurina
