#pragma once

#include <QLabel>

namespace kemurina {

// A label (or picture) that takes its own mouse events, as the design's
// labels do: a click or double click on it never reaches the window behind,
// so it neither hides the window nor opens the window's menu. A double click
// counts as one click.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) {}

  // Sets the shown text and the description a screen reader reads after the
  // label's name, so a value label is heard with its figure.
  void SetValue(const QString& text) {
    setText(text);
    setAccessibleDescription(text);
  }

 signals:
  void clicked();
  void doubleClicked();
  void rightPressed(const QPoint& globalPos);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  bool afterDoubleClick_ = false;
};

}  // namespace kemurina
