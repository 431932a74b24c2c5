#pragma once

#include <QPoint>

#include "windows/platform.h"

namespace kemurina {

// Brings a stored window corner (twips) back onto the screen: a corner too far
// right or too far down goes to the middle of the screen, a negative edge to
// 0. marginWidth/marginHeight are how much of the window must fit.
inline QPoint CorrectPlacement(const ScreenMetrics& screen, int marginWidth, int marginHeight,
                               int left, int top) {
  const long long w = screen.WidthTwips;
  const long long h = screen.HeightTwips;
  if (static_cast<long long>(left) > w - marginWidth) {
    left = static_cast<int>(w / 2);
    top = static_cast<int>(h / 2);
  }
  if (static_cast<long long>(top) > h - marginHeight) {
    top = static_cast<int>(h / 2);
    left = static_cast<int>(w / 2);
  }
  if (left < 0) left = 0;
  if (top < 0) top = 0;
  return {left, top};
}

}  // namespace kemurina
