#pragma once

#include <QAction>
#include <QMenu>
#include <initializer_list>
#include <memory>

#include "startup/settings.h"
#include "windows/form_base.h"
#include "windows/platform.h"

namespace kemurina {

// What the main and the mini window's menus (and the main window's buttons)
// can do.
enum class Command { Copy, Copy2, Blog, Settei, Ver, Mini, St, Help, Exit };

// What the main and the mini window share: a hidden menu that opens on a
// right click (or the menu key) on the window itself, a notification-area
// icon that a double click hides the window into and a click brings it back
// from, a corner kept in the settings, and a close handler that saves it and
// takes the other display window down too.
class DisplayWindow : public FormBase {
  Q_OBJECT
 public:
  // Where a window keeps its corner (twips) and how much of it must fit on
  // the screen when it comes back.
  struct Corner {
    int Settings::*Left;
    int Settings::*Top;
    int MarginWidth, MarginHeight;
  };
  DisplayWindow(Module& module, const Corner& corner) : FormBase(module), corner_(corner) {}

  void Run(Command command);
  void HideToTray();
  void RestoreFromTray();
  TrayIcon* Tray() const { return tray_.get(); }

  // The hidden menu, also for a notification icon to offer.
  QMenu* mnuPopup = nullptr;
  // Its items under their design names; the one a window lacks stays null.
  QAction *mnuCopy = nullptr, *mnuCopy2 = nullptr, *mnuBlog = nullptr, *mnuSettei = nullptr,
          *mnuVer = nullptr, *mnuMini = nullptr, *mnuSt = nullptr, *mnuHelp = nullptr,
          *mnuExit = nullptr;

 protected:
  // The menu with this window's items in this window's order.
  void BuildMenu(const QString& title, std::initializer_list<Command> order);
  // mnuMini in the main window, mnuSt in the mini window.
  virtual void SwitchWindow() = 0;

  // Brings the corner stored in s back onto the screen and puts the window there.
  void RestoreCorner(Settings& s);
  // Fills the window's icon record; the icon is shown only by HideToTray.
  void CreateTray();
  void RemoveTrayIcon();
  void OnUnload() override;

  // Only presses on the window's own background, shapes and lines count.
  bool OnWindowItself(const QMouseEvent* e) const;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  // Gives the window's place to the settings dialog.
  void OpenSettings();

  // Every command once: its caption, the member naming its item, what it does.
  struct MenuItem;
  static const MenuItem kMenuItems[];

  Corner corner_;
  std::unique_ptr<TrayIcon> tray_;
};

}  // namespace kemurina
