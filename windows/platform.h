#pragma once

#include <QIcon>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "startup/local_time.h"

class QMenu;
class QWidget;

namespace kemurina {

// The primary screen in twips, and how many twips make one pixel (15 at 96 DPI).
struct ScreenMetrics {
  int WidthTwips = 0, HeightTwips = 0;
  double TwipsPerPixelX = 15.0, TwipsPerPixelY = 15.0;
};

// One notification-area icon owned by a window.
class TrayIcon {
 public:
  virtual ~TrayIcon() = default;
  virtual void Add() = 0;     // show the icon; adding a shown icon does nothing
  virtual void Delete() = 0;  // remove it; removing an absent icon does nothing
  virtual bool IsShown() const = 0;
};

// Every side effect the program has on the desktop goes through here, so the
// windows can be driven headless with a double that records the calls.
class Platform {
 public:
  virtual ~Platform() = default;

  // A modal box with the OK button only, no icon, the application's title.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;

  // Hands an address to the default browser; false when that failed.
  virtual bool OpenUrl(const QString& address) = 0;

  virtual void ClearClipboard() = 0;
  virtual void SetClipboardText(const QString& text) = 0;

  // The colour chooser, starting at black; a colour as 0xBBGGRR or nothing
  // when the user cancelled.
  virtual std::optional<int> ChooseColor(QWidget* parent) = 0;

  // True when no other copy of the program runs for this user. Asking again
  // from the copy that holds the lock answers true.
  virtual bool AcquireSingleInstance() = 0;

  // Ends the process at once, writing nothing.
  virtual void EndProcess() = 0;

  virtual ScreenMetrics Screen() const = 0;
  // False where the window system does not tell programs where their windows
  // are (Wayland): stored positions are then kept as they were.
  virtual bool PositionsReliable() const = 0;
  virtual LocalTime Now() const = 0;
  // The time of day, to reseed the random draw of each refresh.
  virtual std::uint64_t ClockSeed() const = 0;

  // Calls onEnd when the desktop session ends the program without closing
  // its windows: a termination signal (SIGTERM, SIGHUP, SIGINT), the session
  // manager's request to save before logging out, or the application being
  // told to quit. onEnd runs on the user-interface thread from the event
  // loop, never inside a signal handler and never while a message box waits
  // for an answer (the box is dismissed first and onEnd follows once the
  // handler that showed it has finished). It may come more than once. An
  // empty function stops the calls.
  virtual void WatchSessionEnd(std::function<void()> onEnd) = 0;

  virtual bool TrayAvailable() const = 0;
  // A left click (released over the icon) calls onRestore; the context click
  // opens `menu`, the owner's own pop-up menu.
  virtual std::unique_ptr<TrayIcon> CreateTrayIcon(QWidget* owner, const QIcon& icon,
                                                   const QString& tip, QMenu* menu,
                                                   std::function<void()> onRestore) = 0;
};

}  // namespace kemurina
