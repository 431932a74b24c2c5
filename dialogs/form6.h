#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <array>

#include "windows/form_base.h"

namespace kemurina {

// The greeting for a quit started on Christmas Eve, Christmas Day or the first
// three days of the year. Its button finishes the first start.
class Form6 : public FormBase {
  Q_OBJECT
 public:
  explicit Form6(Module& module);

  // The load handler: the texts, places and pictures for the quit day.
  void Load() override;

  // "ケムリナを開始する(CR)", or Enter in the window.
  void StartQuitting();

  // The chick's animation: runs only while the window is on screen.
  const QTimer* AnimationTimer() const { return animation_; }
  int Frame() const { return frame_; }
  void ShowNextFrame();

  QLabel *Label1 = nullptr, *Label2 = nullptr;
  std::array<QLabel*, 2> Label3{};
  std::array<QLabel*, 3> Image1{};
  QPushButton* Command1 = nullptr;

 protected:
  void OnUnload() override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  std::array<QPixmap, 2> frames_;
  int frame_ = 0;
  QTimer* animation_ = nullptr;
};

}  // namespace kemurina
