#pragma once

#include <QLabel>

namespace kemurina {

// A label (or picture) that takes its own mouse events, as the design's
// labels do: a click or double click on it never reaches the window behind,
// so it neither hides the window nor opens the window's menu. A double click
// counts as one click. Where the keyboard reaches the label, Space or Enter on
// it is a click too.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) {}

  // Sets the shown text; a screen reader hears the change.
  void SetValue(const QString& text) { setText(text); }

 signals:
  void clicked();
  void doubleClicked();
  void rightPressed(const QPoint& globalPos);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  bool afterDoubleClick_ = false;
};

}  // namespace kemurina
