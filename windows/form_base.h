#pragma once

#include <QWidget>

namespace kemurina {

class Module;

// A window of the program: created on first use, kept until unloaded. Unload
// runs the window's close handler exactly once, however it is reached (its
// close box, a menu command, another window's close handler), then the window
// goes away and the module forgets it.
class FormBase : public QWidget {
  Q_OBJECT
 public:
  explicit FormBase(Module& module);
  ~FormBase() override;

  void Unload();
  bool IsUnloading() const { return unloading_; }

 protected:
  virtual void OnUnload() {}

  // The design's fixed window: its caption, the program's icon, the design
  // font at 9 pt, a client area of the given twips, the close box and,
  // where the design has it, the minimise button.
  enum class MinimiseButton { No, Yes };
  void SetUpFixedWindow(const QString& caption, int clientWidthTwips, int clientHeightTwips,
                        MinimiseButton minimise = MinimiseButton::No);
  void closeEvent(QCloseEvent* event) override;

  Module& module_;

 private:
  bool unloading_ = false;
};

}  // namespace kemurina
