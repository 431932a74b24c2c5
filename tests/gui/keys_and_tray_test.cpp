// What a screen reader reads from the windows, the keys that replace the mouse, and the menu on
// the notification icon.
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

QString Heard(QObject* o, QAccessible::Text what) {
  return QAccessible::queryAccessibleInterface(o)->text(what);
}

TEST_F(KeysAndTray, WindowsAreWindowsOrDialogsUnderTheirTitles) {
  auto check = [](QWidget* window, QAccessible::Role role) {
    ASSERT_TRUE(window);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(window);
    EXPECT_EQ(i->role(), role) << window->metaObject()->className();
    EXPECT_EQ(i->text(QAccessible::Name), window->windowTitle());
  };
  Main().mnuHelp->trigger();
  check(&Main(), QAccessible::Window);
  check(&Mini(), QAccessible::Window);
  check(module->Find<Form5>(), QAccessible::Window);
  Main().Command1->click();
  check(module->Find<Form2>(), QAccessible::Dialog);
  module->Find<Form2>()->Command5->click();
  check(module->Find<Form8>(), QAccessible::Dialog);
}

TEST_F(KeysAndTray, ValuesReadAsTheirTextWithTheirCaption) {
  const int captionOf[6] = {0, 4, 2, 5, 1, 6};
  for (int i = 0; i < 6; ++i) {
    QLabel* value = Main().Label2[static_cast<size_t>(i)];
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(value);
    ASSERT_TRUE(a->textInterface()) << i;
    EXPECT_EQ(a->textInterface()->text(0, a->textInterface()->characterCount()), value->text());
    EXPECT_EQ(a->text(QAccessible::Name), value->text());
    EXPECT_TRUE(a->state().focusable);
    const auto captions = a->relations(QAccessible::Label);
    ASSERT_EQ(captions.size(), 1) << i;
    EXPECT_EQ(captions[0].first->object(), Main().Label1.at(captionOf[i]));
  }
  // The summary's six lines, each where it shows.
  QAccessibleTextInterface* summary =
      QAccessible::queryAccessibleInterface(Mini().Label1)->textInterface();
  ASSERT_TRUE(summary);
  EXPECT_EQ(summary->text(0, summary->characterCount()), Mini().Label1->text());
  EXPECT_EQ(Mini().Label1->text().count('\n'), 5);
  const int third = static_cast<int>(Mini().Label1->text().indexOf('\n')) + 1;
  EXPECT_GT(summary->characterRect(third).top(), summary->characterRect(0).top());
  EXPECT_EQ(summary->offsetAtPoint(summary->characterRect(third).center()), third);
  // A new figure is heard as it is shown.
  QTest::mouseClick(Main().Label2[0], Qt::LeftButton);
  EXPECT_EQ(Heard(Main().Label2[0], QAccessible::Name), Main().Label2[0]->text());
}

TEST_F(KeysAndTray, ShiftF10OpensTheMenuAndCtrlMHidesIntoTheTray) {
  for (DisplayWindow* window :
       {static_cast<DisplayWindow*>(&Main()), static_cast<DisplayWindow*>(&Mini())}) {
    window->show();
    ASSERT_TRUE(Activate(window));
    for (QWidget* focus : {static_cast<QWidget*>(window), window->focusWidget()}) {
      if (focus) focus->setFocus();
      Key(Qt::Key_F10, Qt::ShiftModifier);
      EXPECT_TRUE(window->mnuPopup->isVisible()) << window->metaObject()->className();
      window->mnuPopup->hide();
    }
    ASSERT_TRUE(Activate(window));
    Key(Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(!window->isVisible() && TrayOf(*window)->IsShown());
    TrayOf(*window)->onRestore();
    window->hide();
  }
  // Without a notification area the window stays.
  platform.trayAvailable = false;
  Main().show();
  ASSERT_TRUE(Activate(&Main()));
  Key(Qt::Key_M, Qt::ControlModifier);
  EXPECT_TRUE(Main().isVisible());
}

TEST_F(KeysAndTray, EscapeCancelsTheSettingsAndClosesHelpAndNotice) {
  const auto files = Files();
  Main().Command1->click();
  Form2* settings = module->Find<Form2>();
  ASSERT_TRUE(Activate(settings));
  QTest::keyClicks(settings->Text2, QStringLiteral("5"));
  Key(Qt::Key_Escape);
  EXPECT_FALSE(module->Find<Form2>());
  ASSERT_TRUE(module->Find<Form1>() && Main().isVisible());
  EXPECT_EQ(Files(), files);

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

TEST_F(KeysAndTray, TheIconCarriesItsWindowsMenu) {
  Main().HideToTray();
  FakeTray* mainTray = TrayOf(Main());
  ASSERT_EQ(mainTray->menu, Main().mnuPopup);
  EXPECT_EQ(TrayOf(Mini())->menu, Mini().mnuPopup);
  // Chosen on the icon while the window is hidden.
  mainTray->menu->actions().at(0)->trigger();
  EXPECT_TRUE(platform.clipboard.startsWith(QStringLiteral("ステータス：")));
  EXPECT_FALSE(Main().isVisible());
  // Switching to the mini window from the icon leaves no icon behind; so does switching back.
  Main().mnuMini->trigger();
  EXPECT_TRUE(Mini().isVisible() && !mainTray->IsShown());
  Mini().HideToTray();
  TrayOf(Mini())->menu->actions().at(6)->trigger();  // 標準サイズで運転する
  EXPECT_TRUE(Main().isVisible() && !Mini().isVisible() && !TrayOf(Mini())->IsShown());
}

}  // namespace
}  // namespace kemurina
