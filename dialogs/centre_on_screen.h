#pragma once

#include <QWidget>
#include <algorithm>

#include "windows/platform.h"
#include "windows/twips.h"

namespace kemurina {

// Puts a window of fixed size in the middle of the primary screen, never off
// its top or left edge.
inline void CentreOnScreen(QWidget* window, const ScreenMetrics& screen) {
  const Twips tw(screen);
  const int left = (tw.X(screen.WidthTwips) - window->width()) / 2;
  const int top = (tw.Y(screen.HeightTwips) - window->height()) / 2;
  window->move(std::max(left, 0), std::max(top, 0));
}

}  // namespace kemurina
