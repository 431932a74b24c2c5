#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "windows/form_base.h"

namespace kemurina {

// The first-start setup: cigarettes a day, the price of a pack and the size.
// Nothing is written here; the figures wait in the settings record until the
// welcome window starts the quit.
class Form3 : public FormBase {
  Q_OBJECT
 public:
  explicit Form3(Module& module);

  // Ends the program when another copy runs.
  void Load() override { ClaimSingleInstance(); }

  // "設定する", or Enter anywhere in the window.
  void RunSetupCheck();

  std::array<QLabel*, 4> Label2{};
  QLabel *Label1 = nullptr, *Label3 = nullptr;
  std::array<QLineEdit*, 2> Text1{};
  std::array<QRadioButton*, 3> Option1{};
  QPushButton* Command1 = nullptr;

 private:
  int ChosenSize() const;
};

}  // namespace kemurina
