// The desktop's ways of ending a session reach the program as one call from its event loop.
#include <gtest/gtest.h>
#include <signal.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include "windows/qt_platform.h"

namespace kemurina {
namespace {

// Signals that come while a message box waits for OK before the main loop has started (a
// window's load): the box is dismissed, the code that showed it runs on, and only then does the
// end arrive, naming the first signal. A box in the main loop is ended by a real signal in the
// end-to-end scenarios.
TEST(QtSessionWatchTest, SignalsEndTheSessionAfterAnOpenBox) {
  std::vector<std::string> seen;
  {
    QtPlatform platform;
    platform.WatchSessionEnd([&] { seen.push_back("end"); });
    QEventLoop mainLoop;
    QTimer::singleShot(50, [] {
      ::raise(SIGHUP);
      ::raise(SIGTERM);
    });
    QTimer::singleShot(5000, &mainLoop, [&] {  // a box left open fails the test, not hangs it
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
      mainLoop.quit();
    });
    platform.ShowMessage(nullptr, QStringLiteral("box"));
    seen.push_back("box closed");
    QTimer::singleShot(300, &mainLoop, &QEventLoop::quit);
    mainLoop.exec();
    EXPECT_EQ(seen, (std::vector<std::string>{"box closed", "end"}));
    EXPECT_EQ(platform.EndingSignal(), SIGHUP);
  }
  // Gone with the platform: the signals have their own action back.
  struct sigaction now {};
  ::sigaction(SIGTERM, nullptr, &now);
  EXPECT_EQ(now.sa_handler, SIG_DFL);
}

}  // namespace
}  // namespace kemurina
