#pragma once

#include "windows/click_label.h"
#include "windows/display_window.h"

namespace kemurina {

// The mini window: the six-line summary and a right-click menu, nothing else.
// It has no timer; the main window's refresh writes its text.
class Form7 : public DisplayWindow {
  Q_OBJECT
 public:
  explicit Form7(Module& module);

  void Load() override;
  // The place and the colours a record holds: its corner, brought back onto
  // the screen, the text colours on the label, the background on the window.
  void ShowAsIn(Settings& s);
  void SetSummaryText(const std::string& text);

  void SwitchToMain();

  ClickLabel* Label1 = nullptr;
  ClickLabel* Image2 = nullptr;

 protected:
  void SwitchWindow() override { SwitchToMain(); }

 private:
  int measuredLines_ = 0;  // the most lines the label has been measured for
};

}  // namespace kemurina
