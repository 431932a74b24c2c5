#pragma once

#include <functional>

class QWidget;

namespace kemurina {

class DisplayWindow;

// The keys that spare a keyboard user the mouse in the main and mini windows:
// Shift+F10 opens the window's menu as the Menu key does, and Ctrl+M hides the
// window into the notification area as a double click does (not at all where
// there is none).
void AddDisplayWindowKeys(DisplayWindow& window);

// Escape anywhere in `window` runs `action`: the Cancel button, or what the
// close box does.
void AddEscapeKey(QWidget& window, std::function<void()> action);

}  // namespace kemurina
