#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace kemurina {

// Turns the ways a desktop session ends a program into one call on the
// user-interface thread: SIGTERM, SIGHUP and SIGINT (the session manager,
// systemd, a terminal), the session manager's request to save, and the
// application being told to quit. The signal handler only writes the signal's
// number into a socket pair; the event loop reads it and makes the call, so
// no work is done inside the handler.
class QtSessionWatch : public QObject {
  Q_OBJECT
 public:
  QtSessionWatch();
  // Gives the signals back their default action.
  ~QtSessionWatch() override;

  void SetOnEnd(std::function<void()> onEnd) { onEnd_ = std::move(onEnd); }

  // The first termination signal that arrived, 0 for none; the program ends
  // by it once its windows are closed, so whoever sent it sees it obeyed.
  int EndingSignal() const { return endingSignal_; }

 private:
  void ReadSignals();
  void Deliver();

  std::function<void()> onEnd_;
  int sockets_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
  int endingSignal_ = 0;
};

}  // namespace kemurina
