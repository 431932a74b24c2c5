#pragma once

#include <QMenu>
#include <memory>

#include "windows/form_base.h"
#include "windows/platform.h"

namespace kemurina {

// What the main and the mini window share: a hidden menu that opens on a
// right click (or the menu key) on the window itself, and a notification-area
// icon that a double click hides the window into and a click brings it back
// from.
class DisplayWindow : public FormBase {
  Q_OBJECT
 public:
  explicit DisplayWindow(Module& module) : FormBase(module) {}

  void HideToTray();
  void RestoreFromTray();
  TrayIcon* Tray() const { return tray_.get(); }

  QMenu* mnuPopup = nullptr;

 protected:
  // Fills the window's icon record; the icon is shown only by HideToTray.
  void CreateTray();
  void RemoveTrayIcon();

  // Only presses on the window's own background, shapes and lines count.
  bool OnWindowItself(const QMouseEvent* e) const;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  std::unique_ptr<TrayIcon> tray_;
};

}  // namespace kemurina
