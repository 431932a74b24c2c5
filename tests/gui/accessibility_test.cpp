// What assistive technology and a keyboard-only user get from the windows:
// names in the accessibility tree, the tab order and keyboard reach of every
// command.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include "startup/settings_file.h"
#include "tests/gui/data_folder.h"
#include "tests/gui/fake_platform.h"
#include "windows/form1.h"
#include "windows/form7.h"
#include "windows/module.h"

namespace kemurina {
namespace {

using testing::DataFolder;
using testing::FakePlatform;

QString AccessibleName(QObject* object) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  return iface ? iface->text(QAccessible::Name) : QString();
}

// Everything a screen reader can say about a control, joined.
QString AccessibleSpeech(QObject* object) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  if (!iface) return {};
  QString all = iface->text(QAccessible::Name) + QLatin1Char('|') +
                iface->text(QAccessible::Value) + QLatin1Char('|') +
                iface->text(QAccessible::Description);
  if (QAccessibleTextInterface* text = iface->textInterface()) {
    all += QLatin1Char('|') + text->text(0, text->characterCount());
  }
  return all;
}

// The widgets Tab visits, in order, starting at the first one after `from`.
std::vector<QWidget*> TabCycle(QWidget* window, QWidget* from) {
  std::vector<QWidget*> cycle;
  QWidget* w = from;
  do {
    if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled()) {
      cycle.push_back(w);
    }
    w = w->nextInFocusChain();
  } while (w != from);
  return cycle;
}

QStringList ActionTexts(QMenu* menu) {
  QStringList texts;
  for (QAction* a : menu->actions()) texts << a->text();
  return texts;
}

class Accessibility : public ::testing::Test {
 protected:
  void SetUp() override { QAccessible::setActive(true); }

  Module& Start(int windowMode = 0) {
    Settings s;
    s.SetQuitDate({2024, 5, 1, 12, 0});
    s.SetupDone = 1;
    s.WindowMode = windowMode;
    EXPECT_TRUE(SaveInitial(folder.Data("initial.ini"), s));
    EXPECT_TRUE(SaveOptions(folder.Data("option.ini"), s));
    platform.now = {2024, 5, 13, 15, 4};
    module = std::make_unique<Module>(platform, folder.Base());
    module->Open(RunStartup(folder.Base(), platform.now, module->settings()));
    return *module;
  }

  // Presses the menu key where the keyboard focus is, as a keyboard user
  // would to reach the commands that only the right-click menu offers.
  static void PressMenuKey(QWidget* window) {
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5),
                            target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(target, &event);
  }

  DataFolder folder;
  FakePlatform platform;
  std::unique_ptr<Module> module;
};

TEST_F(Accessibility, ValueLabelsAreNamedByTheCaptionAboveThem) {
  Start();
  Form1& main = *module->form1();
  // Value label index, and the caption label it stands under.
  const std::pair<int, int> pairs[] = {{0, 0}, {1, 4}, {2, 2}, {3, 5}, {4, 1}, {5, 6}};
  for (const auto& [value, caption] : pairs) {
    SCOPED_TRACE(value);
    ClickLabel* label = main.Label2[static_cast<size_t>(value)];
    EXPECT_FALSE(label->text().isEmpty());
    EXPECT_EQ(AccessibleName(label), main.Label1.at(caption)->text());
  }
  // The pictures and the bar are not left nameless either.
  for (int i = 10; i <= 12; ++i) EXPECT_FALSE(AccessibleName(main.Image1(i)).isEmpty());
  for (int i = 0; i <= 2; ++i) EXPECT_FALSE(AccessibleName(main.Image3(i)).isEmpty());
  EXPECT_FALSE(AccessibleName(main.ProgressBar1).isEmpty());
  EXPECT_EQ(AccessibleName(&main), main.windowTitle());
}

// Disabled until the value labels expose their figures: a label whose
// accessible name is set no longer reports its own text, so a screen reader
// announces "ケムリナからの日数" and never the days.
TEST_F(Accessibility, DISABLED_ValueLabelsExposeTheirFigures) {
  Start();
  Form1& main = *module->form1();
  for (ClickLabel* label : main.Label2) {
    EXPECT_TRUE(AccessibleSpeech(label).contains(label->text())) << label->text().toStdString();
  }
  QTest::mouseClick(main.Label2[0], Qt::LeftButton);  // the day form
  EXPECT_TRUE(AccessibleSpeech(main.Label2[0]).contains(main.Label2[0]->text()));
  Form7& mini = *module->form7();
  EXPECT_TRUE(AccessibleSpeech(mini.Label1).contains(mini.Label1->text()));
}

TEST_F(Accessibility, ButtonsAndMenuItemsAreNamedByTheirText) {
  Start();
  Form1& main = *module->form1();
  const std::pair<QPushButton*, const char*> buttons[] = {{main.Command1, "設定"},
                                                          {main.Command2, "ＢＢＳ"},
                                                          {main.Command3, "コピ１"},
                                                          {main.Command4, "コピ２"}};
  for (const auto& [button, text] : buttons) {
    EXPECT_EQ(AccessibleName(button), QString::fromUtf8(text));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
    ASSERT_TRUE(iface->actionInterface());
    EXPECT_TRUE(iface->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
  }
  for (QMenu* menu : {main.mnuPopup, module->form7()->mnuPopup}) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(menu);
    ASSERT_TRUE(iface);
    ASSERT_EQ(iface->childCount(), 8);
    QStringList spoken;
    for (int i = 0; i < iface->childCount(); ++i)
      spoken << iface->child(i)->text(QAccessible::Name);
    EXPECT_EQ(spoken, ActionTexts(menu));
    EXPECT_FALSE(spoken.contains(QString()));
  }
}

TEST_F(Accessibility, TabVisitsTheButtonsInTheDesignedOrder) {
  Start();
  Form1& main = *module->form1();
  const std::vector<QWidget*> expected = {main.Command1, main.Command3, main.Command2,
                                          main.Command4};
  EXPECT_EQ(TabCycle(&main, main.Command1), expected);

  // And the keys really move the focus that way, round and back.
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  main.Command1->setFocus(Qt::TabFocusReason);
  for (size_t i = 1; i <= expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), expected[i % expected.size()]) << i;
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), main.Command4);
}

TEST_F(Accessibility, SpaceOnAFocusedButtonRunsItsCommand) {
  Start();
  Form1& main = *module->form1();
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  main.Command3->setFocus(Qt::TabFocusReason);
  QTest::keyClick(main.Command3, Qt::Key_Space);
  EXPECT_TRUE(platform.clipboard.startsWith(QStringLiteral("ステータス：")));
  main.Command4->setFocus(Qt::TabFocusReason);
  QTest::keyClick(main.Command4, Qt::Key_Space);
  EXPECT_TRUE(platform.clipboard.endsWith(QStringLiteral("。")));
  main.Command2->setFocus(Qt::TabFocusReason);
  QTest::keyClick(main.Command2, Qt::Key_Space);
  EXPECT_EQ(platform.openedUrls.size(), 1);
}

// Disabled until the windows answer the menu key: the version box, the mini
// switch, the help and the exit are reached only through the right-click
// menu, and in the mini window that menu is the only way to any command.
TEST_F(Accessibility, DISABLED_TheMenuKeyOpensEachWindowsMenu) {
  Start();
  Form1& main = *module->form1();
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  main.Command1->setFocus(Qt::TabFocusReason);
  PressMenuKey(&main);
  EXPECT_TRUE(main.mnuPopup->isVisible());
  main.mnuPopup->hide();

  main.SwitchToMini();
  Form7& mini = *module->form7();
  mini.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&mini));
  PressMenuKey(&mini);
  EXPECT_TRUE(mini.mnuPopup->isVisible());
  mini.mnuPopup->hide();
}

TEST_F(Accessibility, MouseRightClickOnAValueLabelStillOpensNoMenu) {
  // Whatever opens the menu from the keyboard must keep this rule: a
  // right-click on a value label is not a right-click on the window.
  Start();
  Form1& main = *module->form1();
  QTest::mousePress(main.Label2[1], Qt::RightButton);
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                          main.Label2[1]->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(main.Label2[1], &event);
  EXPECT_FALSE(main.mnuPopup->isVisible());
}

TEST_F(Accessibility, MiniWindowSummaryIsNamed) {
  Start(1);
  Form7& mini = *module->form7();
  ASSERT_TRUE(mini.isVisible());
  EXPECT_FALSE(AccessibleName(mini.Label1).isEmpty());
  EXPECT_EQ(AccessibleName(&mini), mini.windowTitle());
}

}  // namespace
}  // namespace kemurina
