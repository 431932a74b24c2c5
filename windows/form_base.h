#pragma once

#include <QWidget>
#include <vector>

#include "startup/settings.h"
#include "windows/twips.h"

class QLabel;
class QPushButton;

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

  // The load handler, run once right after the window is created.
  virtual void Load() {}
  void Unload();
  bool IsUnloading() const { return unloading_; }

  // Keeps the window's top-left corner, in twips, in left and top; where the
  // window system keeps window places to itself they stay as they are.
  void StoreCorner(int& left, int& top) const;

 protected:
  virtual void OnUnload() {}

  // The design's frame: its caption, the program's icon, the design font at
  // 9 pt, a client area of the given twips and the close box; the minimise
  // and maximise buttons and a border to drag where the design has them.
  enum class Frame { Fixed, FixedMinimise, SizableMinimise, SizableMinMax };
  void SetUpWindow(const QString& caption, int clientWidthTwips, int clientHeightTwips,
                   Frame frame = Frame::Fixed);
  // A button of the design. Enter never goes to a focused button: what Enter
  // does is the window's own choice.
  QPushButton* AddButton(const char* text, const Box& where);
  // A label of the design; a width or height of 0 is taken from the text.
  QLabel* AddLabel(const char* text, const Box& where, QWidget* parent = nullptr);
  // Puts the window's corner at a place in twips, as stored.
  void MoveToTwips(int left, int top);
  // The first step of a load that starts the program: false, with the
  // message shown and the program ended, when another copy already runs.
  bool ClaimSingleInstance();
  // The user's text colours, on a label or the colour sample.
  void ApplyTextColours(QWidget* label) const;
  static void ApplyTextColours(QWidget* label, const Settings& s);

  void closeEvent(QCloseEvent* event) override;
  // Draws the design's plain frames (Shape controls), in the text colour.
  void paintEvent(QPaintEvent* e) override;

  Module& module_;
  std::vector<Box> frames_;

 private:
  bool unloading_ = false;
};

}  // namespace kemurina
