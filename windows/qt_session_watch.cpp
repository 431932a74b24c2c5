#include "windows/qt_session_watch.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cerrno>

namespace kemurina {

namespace {

constexpr int kEndingSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The handler's only way out: the socket the event loop listens on. A signal
// handler can reach nothing else, so this one value lives outside any object.
std::atomic<int> gSignalSocket{-1};

extern "C" void WriteSignalNumber(int signal) {
  const int savedErrno = errno;
  const unsigned char number = static_cast<unsigned char>(signal);
  // Non-blocking: with the socket full, the signals already waiting say enough.
  [[maybe_unused]] const ssize_t written = ::write(gSignalSocket.load(), &number, 1);
  errno = savedErrno;
}

void SetHandler(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(signal, &action, nullptr);
}

}  // namespace

QtSessionWatch::QtSessionWatch() {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets_) == 0) {
    gSignalSocket.store(sockets_[0]);
    notifier_ = new QSocketNotifier(sockets_[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QtSessionWatch::ReadSignals);
    for (int signal : kEndingSignals) SetHandler(signal, WriteSignalNumber);
  }
  // Saving before log-off is the end of this program's session: it keeps no
  // state the session manager could restore, so it closes as if told to.
#if QT_CONFIG(sessionmanager)
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &QtSessionWatch::Deliver);
#endif
  connect(qGuiApp, &QCoreApplication::aboutToQuit, this, &QtSessionWatch::Deliver);
}

QtSessionWatch::~QtSessionWatch() {
  if (sockets_[0] < 0) return;
  for (int signal : kEndingSignals) SetHandler(signal, SIG_DFL);
  gSignalSocket.store(-1);
  ::close(sockets_[0]);
  ::close(sockets_[1]);
}

void QtSessionWatch::ReadSignals() {
  unsigned char numbers[16];
  ssize_t n;
  while ((n = ::read(sockets_[1], numbers, sizeof numbers)) > 0) {
    if (endingSignal_ == 0) endingSignal_ = numbers[0];
  }
  Deliver();
}

void QtSessionWatch::Deliver() {
  // A message box waiting for an answer runs its own event loop inside some
  // handler (a window's load, even before the main loop has started; a
  // save); closing windows under that handler would pull them away from it,
  // half loaded or half saved. The box is dismissed, the handler finishes,
  // and the end is delivered once no box is left.
  if (QApplication::activeModalWidget()) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isModal() && w->isVisible()) w->close();
    }
    QTimer::singleShot(10, this, &QtSessionWatch::Deliver);
    return;
  }
  if (onEnd_) onEnd_();
}

}  // namespace kemurina
