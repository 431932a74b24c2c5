#pragma once

#include <QAction>
#include <QMenu>
#include <memory>

#include "windows/click_label.h"
#include "windows/display_window.h"
#include "windows/platform.h"

namespace kemurina {

// The mini window: the six-line summary and a right-click menu, nothing else.
// It has no timer; the main window's refresh writes its text.
class Form7 : public DisplayWindow {
  Q_OBJECT
 public:
  explicit Form7(Module& module);
  ~Form7() override;

  void Load();
  void SetSummaryText(const std::string& text);

  void SwitchToMain();

  ClickLabel* Label1 = nullptr;
  ClickLabel* Image2 = nullptr;
  QAction* mnuCopy = nullptr;
  QAction* mnuCopy2 = nullptr;
  QAction* mnuBlog = nullptr;
  QAction* mnuHelp = nullptr;
  QAction* mnuSettei = nullptr;
  QAction* mnuVer = nullptr;
  QAction* mnuSt = nullptr;
  QAction* mnuExit = nullptr;

 protected:
  void OnUnload() override;

 private:
  void OpenSettings();
  void StorePosition();
};

}  // namespace kemurina
