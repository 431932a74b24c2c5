#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <map>

#include "dialogs/logic/settings_save.h"
#include "windows/form_base.h"

namespace kemurina {

// The settings dialog. It stands in for the main or mini window while open:
// its opener is unloaded first, and whichever way it closes (save, cancel,
// its close box) it brings that window back, except when it hands over to
// the companion notice, which brings the dialog back in turn.
class Form2 : public FormBase {
  Q_OBJECT
 public:
  explicit Form2(Module& module);

  // The load handler: fills the controls from the settings and places the
  // dialog where the main window was.
  void Load() override;

  // Command1 or the Enter key anywhere in the dialog.
  void Save();
  // Command2.
  void Cancel();

  // Controls under their design names.
  std::map<int, QLabel*> Label1;
  std::array<QLineEdit*, 5> Text1{};
  QLineEdit *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr, *Text5 = nullptr,
            *Text6 = nullptr, *Text7 = nullptr;
  QComboBox* Combo1 = nullptr;
  QLabel *Label2 = nullptr, *Label3 = nullptr, *Label5 = nullptr;
  QGroupBox* Frame1 = nullptr;
  std::array<QRadioButton*, 3> Option1{}, Option2{};
  QCheckBox* Check2 = nullptr;
  QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr,
              *Command5 = nullptr, *Command6 = nullptr;

 protected:
  void OnUnload() override;

 private:
  void BuildControls();
  SettingsEntry ReadEntry() const;
  void ChooseTextColour();
  void ChooseBackColour();
  void UpdateYearsBox();
  void OpenNotice();
  // Brings back the main or the mini window, by WindowMode, then unloads.
  void Leave();

  // Set once the dialog has decided where the user goes next, so the close
  // handler does not open a second window.
  bool handedOver_ = false;
};

}  // namespace kemurina
