#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

#include "windows/platform.h"

namespace kemurina {

// A control's place in a window design: left, top, width, height in twips.
struct Box {
  int Left, Top, Width, Height;
};

// A caption label of a design table: Label1(Index), its place and its text.
struct LabelDesign {
  int Index;
  Box Where;
  const char* Text;
};

// Converts the design's twips into this screen's pixels and back.
class Twips {
 public:
  explicit Twips(const ScreenMetrics& m) : x_(m.TwipsPerPixelX), y_(m.TwipsPerPixelY) {}
  int X(int twips) const { return static_cast<int>(std::lround(twips / x_)); }
  int Y(int twips) const { return static_cast<int>(std::lround(twips / y_)); }
  QRect Rect(int left, int top, int width, int height) const {
    return QRect(X(left), Y(top), X(width), Y(height));
  }
  QRect Rect(const Box& b) const { return Rect(b.Left, b.Top, b.Width, b.Height); }
  QPoint Point(int left, int top) const { return QPoint(X(left), Y(top)); }
  int ToTwipsX(int px) const { return static_cast<int>(std::lround(px * x_)); }
  int ToTwipsY(int px) const { return static_cast<int>(std::lround(px * y_)); }
  void Place(QWidget* w, int left, int top, int width, int height) const {
    w->setGeometry(Rect(left, top, width, height));
  }
  void Place(QWidget* w, const Box& b) const { w->setGeometry(Rect(b)); }

 private:
  double x_;
  double y_;
};

}  // namespace kemurina
