#pragma once

#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <map>

#include "engine/refresh.h"
#include "windows/click_label.h"
#include "windows/display_window.h"

namespace kemurina {

// The main window: six value labels, the lungs, the ducks, the progress bar
// and four buttons, refreshed every 30 seconds by its own timer.
class Form1 : public DisplayWindow {
  Q_OBJECT
 public:
  explicit Form1(Module& module);

  // Ends the program instead when another copy runs.
  void Load() override;

  // Writes one refresh into the controls, in the refresh's order.
  void ShowRefresh(const RefreshResult& r);

  void ToggleDayForm();
  void SwitchToMini();

  QLabel* Image1(int index) const { return pictures_.at(static_cast<size_t>(index - 10)); }
  QLabel* Image3(int index) const { return pictures_.at(static_cast<size_t>(3 + index)); }
  int LungFill() const { return lungFill_; }

  // Controls under their design names.
  std::map<int, QLabel*> Label1;
  std::array<ClickLabel*, 6> Label2{};
  ClickLabel* Image2 = nullptr;
  QPushButton *Command1 = nullptr, *Command2 = nullptr, *Command3 = nullptr, *Command4 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QTimer* Timer1 = nullptr;

 protected:
  void SwitchWindow() override { SwitchToMini(); }
  void OnUnload() override;
  void paintEvent(QPaintEvent* e) override;

 private:
  void BuildControls();

  // Image1(10), Image1(11), Image1(12), Image3(0), Image3(1), Image3(2).
  std::array<ClickLabel*, 6> pictures_{};
  int lungFill_ = 0xC0C0FF;
};

}  // namespace kemurina
