#include "windows/click_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace kemurina {

void ClickLabel::mousePressEvent(QMouseEvent* e) {
  e->accept();
  if (e->button() == Qt::RightButton) emit rightPressed(e->globalPosition().toPoint());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
  e->accept();
  if (e->button() != Qt::LeftButton) return;
  // The release that ends a double click is not a second click.
  if (afterDoubleClick_) {
    afterDoubleClick_ = false;
    return;
  }
  if (rect().contains(e->position().toPoint())) emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* e) {
  e->accept();
  if (e->button() != Qt::LeftButton) return;
  afterDoubleClick_ = true;
  emit doubleClicked();
}

void ClickLabel::keyPressEvent(QKeyEvent* e) {
  const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  const int key = e->key();
  if (!plain || (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)) {
    QLabel::keyPressEvent(e);
    return;
  }
  e->accept();
  // A held key clicks once, as a held mouse button does.
  if (!e->isAutoRepeat()) emit clicked();
}

}  // namespace kemurina
