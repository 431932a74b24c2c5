#pragma once

#include <QPlainTextEdit>
#include <QPushButton>

#include "windows/form_base.h"

namespace kemurina {

// The companion product's notice. It takes the settings dialog's place (its
// corner too) and brings the dialog back when it is closed.
class Form8 : public FormBase {
  Q_OBJECT
 public:
  explicit Form8(Module& module);

  QPlainTextEdit* Text1 = nullptr;
  QPushButton* Command2 = nullptr;

 protected:
  void OnUnload() override;
};

}  // namespace kemurina
