#pragma once

#include <QLabel>
#include <QPushButton>
#include <array>

#include "windows/form_base.h"

namespace kemurina {

// The welcome window: start quitting now, or not yet.
class Form4 : public FormBase {
  Q_OBJECT
 public:
  explicit Form4(Module& module);

  // "ケムリナを開始する(CR)", or Enter anywhere in the window.
  void StartQuitting();
  // Both "not now" buttons: the first start ends with nothing written.
  void Decline();

  QLabel* Label1 = nullptr;
  std::array<QLabel*, 2> Label2{};
  QLabel* Label3 = nullptr;
  QPushButton* Command1 = nullptr;
  std::array<QPushButton*, 2> Command2{};
};

}  // namespace kemurina
