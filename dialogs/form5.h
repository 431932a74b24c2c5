#pragma once

#include <QPlainTextEdit>

#include "windows/form_base.h"

namespace kemurina {

// The help window: the whole manual as one scrolling, read-only text that
// always fills the window. One instance, reused while it is open.
class Form5 : public FormBase {
  Q_OBJECT
 public:
  explicit Form5(Module& module);

  // Centres the window on the screen and fits the text to it.
  void Load() override;

  QPlainTextEdit* Text1 = nullptr;

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void FitText();
};

}  // namespace kemurina
