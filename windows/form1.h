#pragma once

#include <QAction>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <map>
#include <memory>

#include "engine/refresh.h"
#include "windows/click_label.h"
#include "windows/display_window.h"
#include "windows/platform.h"

namespace kemurina {

// The main window: six value labels, the lungs, the ducks, the progress bar
// and four buttons, refreshed every 30 seconds by its own timer.
class Form1 : public DisplayWindow {
  Q_OBJECT
 public:
  explicit Form1(Module& module);
  ~Form1() override;

  // The load handler: false when it ended the program (a second copy).
  bool Load();

  // Writes one refresh into the controls, in the refresh's order.
  void ShowRefresh(const RefreshResult& r);

  void ToggleDayForm();
  void SwitchToMini();

  QLabel* Image1(int index) const { return image1_.at(static_cast<size_t>(index - 10)); }
  QLabel* Image3(int index) const { return image3_.at(static_cast<size_t>(index)); }
  int LungFill() const { return lungFill_; }

  // Controls under their design names.
  std::map<int, QLabel*> Label1;
  std::array<ClickLabel*, 6> Label2{};
  ClickLabel* Image2 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QTimer* Timer1 = nullptr;
  QAction* mnuCopy = nullptr;
  QAction* mnuCopy2 = nullptr;
  QAction* mnuBlog = nullptr;
  QAction* mnuSettei = nullptr;
  QAction* mnuVer = nullptr;
  QAction* mnuMini = nullptr;
  QAction* mnuHelp = nullptr;
  QAction* mnuExit = nullptr;

 protected:
  void OnUnload() override;
  void paintEvent(QPaintEvent* e) override;

 private:
  void BuildControls();
  void BuildMenu();
  void OpenSettings();
  void ApplyLabelColours();

  std::array<ClickLabel*, 3> image1_{};
  std::array<ClickLabel*, 3> image3_{};
  int lungFill_ = 0xC0C0FF;
};

}  // namespace kemurina
