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
  void closeEvent(QCloseEvent* event) override;

  Module& module_;

 private:
  bool unloading_ = false;
};

}  // namespace kemurina
