// What assistive technology and a keyboard-only user get from the windows:
// names in the accessibility tree, the tab order and keyboard reach of every
// command.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <algorithm>

#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/form4.h"
#include "dialogs/form5.h"
#include "dialogs/form6.h"
#include "dialogs/form8.h"
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

bool IsInteractive(QWidget* w) {
  return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
         qobject_cast<QComboBox*>(w) || qobject_cast<QTextEdit*>(w) ||
         qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w);
}

// What a screen reader or a keyboard user would stumble on in a window:
// controls without a name, controls Tab never reaches, and editable boxes
// sharing one name so that they cannot be told apart.
QStringList AccessProblems(QWidget* window) {
  QStringList problems;
  QStringList boxNames;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    // A combo box's own line edit is announced and reached through the combo box.
    if (!IsInteractive(w) || qobject_cast<QComboBox*>(w->parentWidget())) continue;
    if (!w->isVisibleTo(window)) continue;
    const QString name = AccessibleName(w);
    const QString where = QStringLiteral("%1 at %2,%3")
                              .arg(QString::fromLatin1(w->metaObject()->className()))
                              .arg(w->x())
                              .arg(w->y());
    if (name.trimmed().isEmpty()) problems << QStringLiteral("unnamed ") + where;
    if (w->isEnabled() && !(w->focusPolicy() & Qt::TabFocus)) {
      problems << QStringLiteral("unreachable ") + where;
    }
    if (qobject_cast<QLineEdit*>(w)) {
      if (boxNames.contains(name)) problems << QStringLiteral("shared name ") + name;
      boxNames << name;
    }
  }
  return problems;
}

void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Gives the window the keyboard, as a click on its title bar would.
bool Activate(QWidget* window) {
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

// Types where the keyboard focus is.
void TypeHere(const char* keys) {
  QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(keys));
}
void PressHere(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

class Accessibility : public ::testing::Test {
 protected:
  void SetUp() override { QAccessible::setActive(true); }
  void TearDown() override {
    FlushDeletes();
    module.reset();
  }

  // A first start: no files yet, so the setup window opens.
  void StartFirstTime(const LocalTime& now) {
    platform.now = now;
    module = std::make_unique<Module>(platform, folder.Base());
    module->Open(RunStartup(folder.Base(), now, module->settings()));
  }

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

TEST_F(Accessibility, MainAndMiniWindowsAreNamed) {
  Start();
  Form1& main = *module->form1();
  Form7& mini = *module->form7();
  EXPECT_EQ(AccessProblems(&main), QStringList());
  EXPECT_EQ(AccessProblems(&mini), QStringList());
  EXPECT_EQ(AccessibleName(&main), main.windowTitle());
  EXPECT_EQ(AccessibleName(&mini), mini.windowTitle());
  // A value label is named by the caption above it, and still heard with
  // its figures: a label whose accessible name is set no longer reports its
  // own text by itself.
  const std::pair<int, int> pairs[] = {{0, 0}, {1, 4}, {2, 2}, {3, 5}, {4, 1}, {5, 6}};
  for (const auto& [value, caption] : pairs) {
    SCOPED_TRACE(value);
    ClickLabel* label = main.Label2[static_cast<size_t>(value)];
    EXPECT_FALSE(label->text().isEmpty());
    EXPECT_EQ(AccessibleName(label), main.Label1.at(caption)->text());
    EXPECT_TRUE(AccessibleSpeech(label).contains(label->text()));
  }
  QTest::mouseClick(main.Label2[0], Qt::LeftButton);  // the day form
  EXPECT_TRUE(AccessibleSpeech(main.Label2[0]).contains(main.Label2[0]->text()));
  EXPECT_TRUE(AccessibleSpeech(mini.Label1).contains(mini.Label1->text()));
  // The pictures and the bar are not left nameless either.
  for (int i = 10; i <= 12; ++i) EXPECT_FALSE(AccessibleName(main.Image1(i)).isEmpty());
  for (int i = 0; i <= 2; ++i) EXPECT_FALSE(AccessibleName(main.Image3(i)).isEmpty());
  EXPECT_FALSE(AccessibleName(main.ProgressBar1).isEmpty());

  EXPECT_EQ(AccessibleName(main.Command1), QStringLiteral("設定"));
  QAccessibleActionInterface* actions =
      QAccessible::queryAccessibleInterface(main.Command1)->actionInterface();
  ASSERT_TRUE(actions);
  EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  for (QMenu* menu : {main.mnuPopup, mini.mnuPopup}) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(menu);
    ASSERT_TRUE(iface);
    ASSERT_EQ(iface->childCount(), 8);
    for (int i = 0; i < iface->childCount(); ++i) {
      EXPECT_EQ(iface->child(i)->text(QAccessible::Name), menu->actions().at(i)->text());
      EXPECT_FALSE(menu->actions().at(i)->text().isEmpty());
    }
  }
}

TEST_F(Accessibility, MainAndMiniWindowsWorkFromTheKeyboard) {
  Start();
  Form1& main = *module->form1();
  const std::vector<QWidget*> expected = {main.Command1, main.Command3, main.Command2,
                                          main.Command4};
  EXPECT_EQ(TabCycle(&main, main.Command1), expected);

  // And the keys really move the focus that way, round and back.
  ASSERT_TRUE(Activate(&main));
  main.Command1->setFocus(Qt::TabFocusReason);
  for (size_t i = 1; i <= expected.size(); ++i) {
    PressHere(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), expected[i % expected.size()]) << i;
  }
  PressHere(Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), main.Command4);

  // Space on the focused button runs its command.
  main.Command3->setFocus(Qt::TabFocusReason);
  PressHere(Qt::Key_Space);
  EXPECT_TRUE(platform.clipboard.startsWith(QStringLiteral("ステータス：")));

  // A right-click on a value label is not a right-click on the window:
  // whatever opens the menu from the keyboard must keep that rule.
  QTest::mousePress(main.Label2[1], Qt::RightButton);
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                          main.Label2[1]->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(main.Label2[1], &click);
  EXPECT_FALSE(main.mnuPopup->isVisible());

  // The version box, the mini switch, the help and the exit are reached only
  // through the right-click menu, and in the mini window that menu is the
  // only way to any command: the menu key must open it.
  main.Command1->setFocus(Qt::TabFocusReason);
  PressMenuKey(&main);
  EXPECT_TRUE(main.mnuPopup->isVisible());
  main.mnuPopup->hide();

  main.SwitchToMini();
  Form7& mini = *module->form7();
  ASSERT_TRUE(Activate(&mini));
  PressMenuKey(&mini);
  EXPECT_TRUE(mini.mnuPopup->isVisible());
  mini.mnuPopup->hide();
}

// The whole first start with the keyboard alone: the focus starts in the
// first box, Tab moves on, the arrows pick the size, Enter goes forward.
TEST_F(Accessibility, FirstStartCanBeDoneWithTheKeyboardAlone) {
  StartFirstTime({2024, 5, 1, 12, 0});
  Form3* setup = module->form3();
  ASSERT_TRUE(setup && setup->isVisible());
  EXPECT_EQ(AccessProblems(setup), QStringList());
  ASSERT_TRUE(Activate(setup));
  EXPECT_EQ(QApplication::focusWidget(), setup->Text1[0]);
  TypeHere("25");
  PressHere(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), setup->Text1[1]);
  TypeHere("450");
  PressHere(Qt::Key_Tab);
  // Tab enters the size row (Qt puts it on the first option, not the chosen
  // one); the arrows move along it and choose.
  const auto& sizes = setup->Option1;
  ASSERT_NE(std::find(sizes.begin(), sizes.end(), QApplication::focusWidget()), sizes.end());
  for (int i = 0; i < 3 && !sizes[2]->isChecked(); ++i) PressHere(Qt::Key_Right);
  EXPECT_TRUE(sizes[2]->isChecked());
  PressHere(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), setup->Command1);
  PressHere(Qt::Key_Return);
  FlushDeletes();

  Form4* welcome = module->form4();
  ASSERT_TRUE(welcome && welcome->isVisible());
  EXPECT_EQ(AccessProblems(welcome), QStringList());
  const std::vector<QWidget*> order = {welcome->Command1, welcome->Command2[0],
                                       welcome->Command2[1]};
  EXPECT_EQ(TabCycle(welcome, welcome->Command1), order);
  ASSERT_TRUE(Activate(welcome));
  PressHere(Qt::Key_Return);
  FlushDeletes();
  ASSERT_TRUE(module->form1());
  EXPECT_TRUE(module->form1()->isVisible());
  EXPECT_EQ(module->settings().CigaretteLength, 100);
  EXPECT_EQ(module->settings().SetupDone, 1);
}

TEST_F(Accessibility, DecliningWorksFromTheKeyboard) {
  // Enter anywhere in the welcome window starts; Space on a focused "not
  // now" button is how the keyboard declines.
  StartFirstTime({2024, 5, 1, 12, 0});
  QTest::keyClicks(module->form3()->Text1[0], QStringLiteral("20"));
  QTest::keyClicks(module->form3()->Text1[1], QStringLiteral("300"));
  module->form3()->RunSetupCheck();
  FlushDeletes();
  Form4* welcome = module->form4();
  ASSERT_TRUE(welcome && Activate(welcome));
  welcome->Command2[0]->setFocus(Qt::TabFocusReason);
  PressHere(Qt::Key_Space);
  FlushDeletes();
  EXPECT_FALSE(module->AnyWindowLoaded());
}

TEST_F(Accessibility, SeasonalGreetingIsNamedAndGoesOnWithEnter) {
  StartFirstTime({2024, 12, 25, 9, 0});
  module->form3()->Text1[0]->setText(QStringLiteral("20"));
  module->form3()->Text1[1]->setText(QStringLiteral("300"));
  module->form3()->RunSetupCheck();
  FlushDeletes();
  module->form4()->StartQuitting();
  FlushDeletes();
  Form6* greeting = module->form6();
  ASSERT_TRUE(greeting && greeting->isVisible());
  EXPECT_EQ(AccessProblems(greeting), QStringList());
  for (QLabel* image : greeting->Image1) {
    if (image->isVisibleTo(greeting)) {
      EXPECT_FALSE(AccessibleName(image).isEmpty());
    }
  }
  EXPECT_EQ(AccessibleName(greeting->Command1), greeting->Command1->text());
  ASSERT_TRUE(Activate(greeting));
  PressHere(Qt::Key_Return);
  FlushDeletes();
  ASSERT_TRUE(module->form1());
  EXPECT_TRUE(module->form1()->isVisible());
}

// The five boxes of the quit moment must not all be announced as
// "ケムリナ日"; and on Linux a combo box is announced by its value, its
// caption coming only from a label whose buddy it is.
TEST_F(Accessibility, SettingsDialogIsNamedAndReachable) {
  Start();
  module->form1()->Command1->click();
  FlushDeletes();
  Form2* settings = module->form2();
  ASSERT_TRUE(settings && settings->isVisible());
  EXPECT_EQ(AccessProblems(settings), QStringList());
  QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(settings->Combo1);
  QStringList labels;
  for (const auto& [label, relation] : combo->relations(QAccessible::Label)) {
    labels << label->text(QAccessible::Name);
  }
  EXPECT_EQ(labels, QStringList{QStringLiteral("ステータスの選択")});
  // Tab walks the dialog from the address at the top to the four buttons
  // along the bottom, left to right.
  const std::vector<QWidget*> cycle = TabCycle(settings, settings->Text4);
  ASSERT_GE(cycle.size(), 4u);
  const std::vector<QWidget*> bottom(cycle.end() - 4, cycle.end());
  EXPECT_EQ(bottom, (std::vector<QWidget*>{settings->Command1, settings->Command2,
                                           settings->Command6, settings->Command5}));
}

// Without a keyboard caret a screen reader cannot move through the help line
// by line, and Ctrl+End, Home or the arrow keys do nothing.
TEST_F(Accessibility, HelpTextIsReadAndScrolledFromTheKeyboard) {
  Start();
  module->form1()->mnuHelp->trigger();
  Form5* help = module->form5();
  ASSERT_TRUE(help && help->isVisible());
  EXPECT_EQ(AccessProblems(help), QStringList());
  ASSERT_TRUE(Activate(help));
  EXPECT_EQ(QApplication::focusWidget(), help->Text1);
  QScrollBar* bar = help->Text1->verticalScrollBar();
  const int top = bar->value();
  PressHere(Qt::Key_PageDown);
  EXPECT_GT(bar->value(), top);
  PressHere(Qt::Key_PageUp);
  EXPECT_EQ(bar->value(), top);
  EXPECT_TRUE(help->Text1->textInteractionFlags() & Qt::TextSelectableByKeyboard);
  QTest::keyClick(help->Text1, Qt::Key_End, Qt::ControlModifier);
  EXPECT_TRUE(help->Text1->textCursor().atEnd());
  EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(Accessibility, NoticeButtonIsReachedByTab) {
  Start();
  module->form1()->Command1->click();
  FlushDeletes();
  module->form2()->Command5->click();
  FlushDeletes();
  Form8* notice = module->form8();
  ASSERT_TRUE(notice && notice->isVisible());
  EXPECT_EQ(AccessProblems(notice), QStringList());
  ASSERT_TRUE(Activate(notice));
  for (int i = 0; i < 3 && QApplication::focusWidget() != notice->Command2; ++i) {
    PressHere(Qt::Key_Tab);
  }
  ASSERT_EQ(QApplication::focusWidget(), notice->Command2);
  PressHere(Qt::Key_Space);
  EXPECT_EQ(platform.openedUrls.size(), 1);
}

}  // namespace
}  // namespace kemurina
