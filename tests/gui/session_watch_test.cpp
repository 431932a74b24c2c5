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

// Signals that come while a message box waits for OK, in the main loop or before it has
// started (a window's load): the box is dismissed, the code that showed it runs on, and only
// then does the end arrive, naming the first signal.
TEST(QtSessionWatchTest, SignalsEndTheSessionAfterAnOpenBox) {
  for (const bool inMainLoop : {true, false}) {
    SCOPED_TRACE(inMainLoop ? "in the main loop" : "before the main loop");
    std::vector<std::string> seen;
    {
      QtPlatform platform;
      platform.WatchSessionEnd([&] { seen.push_back("end"); });
      QEventLoop mainLoop;
      const auto showBox = [&] {
        QTimer::singleShot(50, [] {
          ::raise(SIGHUP);
          ::raise(SIGTERM);
        });
        platform.ShowMessage(nullptr, QStringLiteral("box"));
        seen.push_back("box closed");
        QTimer::singleShot(300, &mainLoop, &QEventLoop::quit);
      };
      QTimer::singleShot(5000, &mainLoop, [&] {  // a box left open fails the test, not hangs it
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
        mainLoop.quit();
      });
      if (inMainLoop) {
        QTimer::singleShot(0, &mainLoop, showBox);
      } else {
        showBox();
      }
      mainLoop.exec();
      ASSERT_GE(seen.size(), 2u);
      EXPECT_EQ(seen[0], "box closed");
      EXPECT_EQ(seen[1], "end");
      EXPECT_EQ(platform.EndingSignal(), SIGHUP);
    }
    // Gone with the platform: the signals have their own action back.
    struct sigaction now {};
    ::sigaction(SIGTERM, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
  }
}

}  // namespace
}  // namespace kemurina
