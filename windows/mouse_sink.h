#pragma once

#include <QEvent>
#include <QObject>

namespace kemurina {

// Keeps a control's mouse presses and double clicks from falling through to
// the window behind it, where they would hide the window or open its menu.
class MouseSink : public QObject {
 public:
  explicit MouseSink(QObject* parent) : QObject(parent) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        return true;
      default:
        return QObject::eventFilter(watched, event);
    }
  }
};

}  // namespace kemurina
