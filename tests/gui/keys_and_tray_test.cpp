// What a screen reader reads from the windows, the keys that replace the mouse, and the menu on
// the notification icon. The real program's frames, values, captions and keys on the main window
// are read and pressed by the end-to-end scenarios; these are the windows they do not reach.
#include <QAccessible>

#include "tests/gui/program_test.h"

namespace kemurina {
namespace {

using testing::FakeTray;

class KeysAndTray : public testing::ProgramTest {
 protected:
  void SetUp() override {
    QAccessible::setActive(true);
    WriteFiles();
    Start({2024, 5, 13, 15, 4});
  }
  // Gives a window the keyboard, as a click on its title bar would.
  static bool Activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
  }
  static void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    testing::FlushDeletes();
  }
  FakeTray* TrayOf(DisplayWindow& window) { return static_cast<FakeTray*>(window.Tray()); }
};

TEST_F(KeysAndTray, WindowsAreWindowsOrDialogsUnderTheirTitles) {
  auto check = [](QWidget* window, QAccessible::Role role) {
    ASSERT_TRUE(window);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(window);
    EXPECT_EQ(i->role(), role) << window->metaObject()->className();
    EXPECT_EQ(i->text(QAccessible::Name), window->windowTitle());
  };
  Main().mnuHelp->trigger();
  check(module->Find<Form5>(), QAccessible::Window);
  Main().Command1->click();
  module->Find<Form2>()->Command5->click();
  check(module->Find<Form8>(), QAccessible::Dialog);
}

// The summary's six lines, each where it shows.
TEST_F(KeysAndTray, SummaryLinesAreReadWhereTheyShow) {
  QAccessibleTextInterface* summary =
      QAccessible::queryAccessibleInterface(Mini().Label1)->textInterface();
  ASSERT_TRUE(summary);
  EXPECT_EQ(Mini().Label1->text().count('\n'), 5);
  const int third = static_cast<int>(Mini().Label1->text().indexOf('\n')) + 1;
  EXPECT_GT(summary->characterRect(third).top(), summary->characterRect(0).top());
  EXPECT_EQ(summary->offsetAtPoint(summary->characterRect(third).center()), third);
}

// The mini window's keys; the main window's are pressed on the real program.
TEST_F(KeysAndTray, ShiftF10OpensTheMenuAndCtrlMHidesIntoTheTray) {
  Main().SwitchToMini();
  ASSERT_TRUE(Activate(&Mini()));
  for (QWidget* focus : {static_cast<QWidget*>(&Mini()), Mini().focusWidget()}) {
    if (focus) focus->setFocus();
    Key(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(Mini().mnuPopup->isVisible());
    Mini().mnuPopup->hide();
  }
  ASSERT_TRUE(Activate(&Mini()));
  Key(Qt::Key_M, Qt::ControlModifier);
  EXPECT_TRUE(!Mini().isVisible() && TrayOf(Mini())->IsShown());
}

TEST_F(KeysAndTray, EscapeClosesHelpAndNotice) {
  Main().mnuHelp->trigger();
  ASSERT_TRUE(Activate(module->Find<Form5>()));
  Key(Qt::Key_Escape);
  EXPECT_FALSE(module->Find<Form5>());
  EXPECT_TRUE(Main().isVisible());

  Main().Command1->click();
  module->Find<Form2>()->Command5->click();
  ASSERT_TRUE(Activate(module->Find<Form8>()));
  Key(Qt::Key_Escape);
  EXPECT_FALSE(module->Find<Form8>());
  EXPECT_TRUE(module->Find<Form2>() && module->Find<Form2>()->isVisible());
}

// Switching back to the main window from the mini window's icon leaves no icon behind.
TEST_F(KeysAndTray, TheMiniIconSwitchesBack) {
  Main().SwitchToMini();
  Mini().HideToTray();
  ASSERT_EQ(TrayOf(Mini())->menu, Mini().mnuPopup);
  TrayOf(Mini())->menu->actions().at(6)->trigger();  // 標準サイズで運転する
  EXPECT_TRUE(Main().isVisible() && !Mini().isVisible() && !TrayOf(Mini())->IsShown());
}

}  // namespace
}  // namespace kemurina
