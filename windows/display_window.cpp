#include "windows/display_window.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

#include "windows/app_title.h"
#include "windows/module.h"
#include "windows/placement.h"

namespace kemurina {

struct DisplayWindow::MenuItem {
  const char* Caption;
  QAction* DisplayWindow::*Item;
  void (*Run)(DisplayWindow& w);
};

// In the order of Command.
const DisplayWindow::MenuItem DisplayWindow::kMenuItems[] = {
    {"コピーする", &DisplayWindow::mnuCopy, [](DisplayWindow& w) { w.module_.CopyFullSummary(); }},
    {"ツイッター用にコピー", &DisplayWindow::mnuCopy2,
     [](DisplayWindow& w) { w.module_.CopyShortSummary(); }},
    {"ブログや掲示板を開く", &DisplayWindow::mnuBlog,
     [](DisplayWindow& w) { w.module_.OpenBbsPage(&w); }},
    {"設定変更をする", &DisplayWindow::mnuSettei, [](DisplayWindow& w) { w.OpenSettings(); }},
    {"バージョン情報", &DisplayWindow::mnuVer,
     [](DisplayWindow& w) { w.module_.ShowVersionBox(&w); }},
    {"ミニサイズで運転する", &DisplayWindow::mnuMini, [](DisplayWindow& w) { w.SwitchWindow(); }},
    {"標準サイズで運転する", &DisplayWindow::mnuSt, [](DisplayWindow& w) { w.SwitchWindow(); }},
    {"ヘルプを読む", &DisplayWindow::mnuHelp,
     [](DisplayWindow& w) { w.module_.OpenDialog(Dialog::Help); }},
    {"アプリケーションの終了", &DisplayWindow::mnuExit, [](DisplayWindow& w) { w.Unload(); }},
};

void DisplayWindow::BuildMenu(const QString& title, std::initializer_list<Command> order) {
  mnuPopup = new QMenu(title, this);
  for (const Command command : order) {
    const MenuItem& item = kMenuItems[static_cast<int>(command)];
    QAction* action = mnuPopup->addAction(QString::fromUtf8(item.Caption));
    this->*item.Item = action;
    connect(action, &QAction::triggered, this, [this, command] { Run(command); });
  }
}

void DisplayWindow::Run(Command command) { kMenuItems[static_cast<int>(command)].Run(*this); }

void DisplayWindow::OpenSettings() {
  // The close handlers save both windows' corners and the options; while the
  // dialog is open neither window is loaded and no refresh runs.
  hide();
  Unload();
  module_.OpenDialog(Dialog::Settings);
}

void DisplayWindow::RestoreCorner(Settings& s) {
  const QPoint corner = CorrectPlacement(module_.platform().Screen(), corner_.MarginWidth,
                                         corner_.MarginHeight, s.*corner_.Left, s.*corner_.Top);
  s.*corner_.Left = corner.x();
  s.*corner_.Top = corner.y();
  MoveToTwips(corner.x(), corner.y());
}

void DisplayWindow::OnUnload() {
  RemoveTrayIcon();
  // The normal place, not the minimised one, is what comes back next time.
  setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  Settings& s = module_.settings();
  StoreCorner(s.*corner_.Left, s.*corner_.Top);
  module_.SaveOptionsOnClose();
  // This window counts as gone already, so what is found is the other one.
  if (DisplayWindow* other = module_.Find<DisplayWindow>()) other->Unload();
}

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
  for (DisplayWindow* window : module_.FindAll<DisplayWindow>()) window->RemoveTrayIcon();
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
