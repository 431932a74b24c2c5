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
  ~Form2() override;

  // The load handler: fills the controls from the settings and places the
  // dialog where the main window was.
  void Load();

  // Command1 or the Enter key anywhere in the dialog.
  void Save();
  // Command2.
  void Cancel();

  // Controls under their design names.
  std::map<int, QLabel*> Label1;
  std::array<QLineEdit*, 5> Text1{};
  QLineEdit* Text2 = nullptr;
  QLineEdit* Text3 = nullptr;
  QLineEdit* Text4 = nullptr;
  QLineEdit* Text5 = nullptr;
  QLineEdit* Text6 = nullptr;
  QLineEdit* Text7 = nullptr;
  QComboBox* Combo1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label5 = nullptr;
  QGroupBox* Frame1 = nullptr;
  std::array<QRadioButton*, 3> Option1{};
  std::array<QRadioButton*, 3> Option2{};
  QCheckBox* Check2 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;
  QPushButton* Command5 = nullptr;
  QPushButton* Command6 = nullptr;

 protected:
  void OnUnload() override;
  void paintEvent(QPaintEvent* e) override;

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
