#include "windows/click_label.h"

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

}  // namespace kemurina
