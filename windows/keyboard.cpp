#include "windows/keyboard.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QShortcut>

#include "windows/display_window.h"

namespace kemurina {

namespace {

// A shortcut of the window alone: a key held down runs it once.
QShortcut* WindowKey(QWidget& window, const QKeySequence& key) {
  auto* shortcut = new QShortcut(key, &window);
  shortcut->setContext(Qt::WindowShortcut);
  shortcut->setAutoRepeat(false);
  return shortcut;
}

}  // namespace

void AddDisplayWindowKeys(DisplayWindow& window) {
  // Shift+F10 takes the Menu key's way: a keyboard menu request to the
  // control with the focus, which leaves it to the window.
  QObject::connect(
      WindowKey(window, Qt::SHIFT | Qt::Key_F10), &QShortcut::activated, &window, [&window] {
        QWidget* target = window.focusWidget() ? window.focusWidget() : &window;
        const QPoint middle = target->rect().center();
        QContextMenuEvent request(QContextMenuEvent::Keyboard, middle, target->mapToGlobal(middle));
        QApplication::sendEvent(target, &request);
      });
  QObject::connect(WindowKey(window, Qt::CTRL | Qt::Key_M), &QShortcut::activated, &window,
                   &DisplayWindow::HideToTray);
}

void AddEscapeKey(QWidget& window, std::function<void()> action) {
  QObject::connect(WindowKey(window, Qt::Key_Escape), &QShortcut::activated, &window,
                   std::move(action));
}

}  // namespace kemurina
