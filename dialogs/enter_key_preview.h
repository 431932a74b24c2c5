#pragma once

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>
#include <functional>

namespace kemurina {

// Lets a window see Enter before its controls do: Return or Enter pressed on
// the window or any control in it runs the window's action instead of reaching
// the focused box or button. A held key's repeats are swallowed, so keeping
// Enter down cannot run on through the next window that comes up.
class EnterKeyPreview : public QObject {
 public:
  // Watches the window and every control it holds now; call it once the
  // controls are built. The preview belongs to the window.
  static void Install(QWidget* window, std::function<void()> onEnter) {
    auto* preview = new EnterKeyPreview(window, window, std::move(onEnter));
    window->installEventFilter(preview);
    for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(preview);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Only the window's own controls: in a drop-down's open list (a window of
    // its own) Enter picks the item.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && widget && widget->window() == window_) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (!key->isAutoRepeat()) onEnter_();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  EnterKeyPreview(QObject* owner, QWidget* window, std::function<void()> onEnter)
      : QObject(owner), window_(window), onEnter_(std::move(onEnter)) {}

  QWidget* window_;
  std::function<void()> onEnter_;
};

}  // namespace kemurina
