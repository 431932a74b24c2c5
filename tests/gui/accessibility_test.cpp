// What a screen reader and a keyboard-only user get from each window, and the menu on the
// notification icon. The real program's frames, values, captions and keys on the main window are
// read and pressed by the end-to-end scenarios; these are the windows they do not reach.
#include <QAccessible>

#include "tests/gui/program_test.h"

namespace kemurina {
namespace {

using testing::FakeTray;

// Controls, values and pictures without a name, values not heard with their text, controls
// Tab never reaches, boxes that cannot be told apart.
std::string Problems(QWidget* window) {
  QStringList problems, boxNames;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    auto* label = qobject_cast<QLabel*>(w);
    const bool box = qobject_cast<QLineEdit*>(w),
               control = box || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                         qobject_cast<QPlainTextEdit*>(w);
    const bool told = control || qobject_cast<ClickLabel*>(w) || qobject_cast<QProgressBar*>(w) ||
                      (label && !label->pixmap().isNull());
    // A combo box's own line edit is heard and reached through the combo box.
    if (!told || qobject_cast<QComboBox*>(w->parentWidget()) || !w->isVisibleTo(window)) continue;
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    const QString name = i->text(QAccessible::Name);
    const QString at = QString::asprintf("%s %d,%d", w->metaObject()->className(), w->x(), w->y());
    const QString heard =
        name + '|' + i->text(QAccessible::Value) + '|' + i->text(QAccessible::Description);
    if (name.trimmed().isEmpty()) problems << "unnamed " + at;
    if (label && !heard.contains(label->text())) problems << "unheard " + at;
    if (control && w->isEnabled() && !(w->focusPolicy() & Qt::TabFocus)) problems << "no Tab " + at;
    if (box && boxNames.contains(name)) problems << "shared " + name;
    if (box) boxNames << name;
  }
  return problems.join('\n').toStdString();
}

// A key where the keyboard focus is; a window it closes is gone afterwards.
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  testing::FlushDeletes();
}

// Gives a window the keyboard, as a click on its title bar would.
bool Activate(QWidget* window) {
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

// A shown window's problems once it has the keyboard.
std::string Reach(QWidget* window) {
  if (!window || !window->isVisible()) return "not shown";
  return Activate(window) ? Problems(window) : "not active";
}

// Where `n` presses of Tab from `from` take the keyboard focus.
std::vector<QWidget*> Tabbing(QWidget* from, int n) {
  from->setFocus(Qt::TabFocusReason);
  std::vector<QWidget*> visited;
  while (n-- > 0) {
    Press(Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  }
  return visited;
}

// Shift+F10 where the focus is: the items of the menu it opens, as a screen reader hears them.
QStringList MenuByKey(DisplayWindow* window) {
  Press(Qt::Key_F10, Qt::ShiftModifier);
  QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(window->mnuPopup);
  QStringList items;
  for (int i = 0; window->mnuPopup->isVisible() && i < menu->childCount(); ++i)
    items << menu->child(i)->text(QAccessible::Name);
  window->mnuPopup->hide();
  return items;
}

class Accessibility : public testing::ProgramTest {
 protected:
  void StartRunning() {
    QAccessible::setActive(true);  // as with a screen reader running
    WriteFiles();
    Start({2024, 5, 13, 15, 4});
  }
  FakeTray* TrayOf(DisplayWindow& window) { return static_cast<FakeTray*>(window.Tray()); }
};

// The main and mini windows and the help, settings and notice windows they open.
TEST_F(Accessibility, DisplayWindowsAndWhatTheyOpen) {
  StartRunning();
  QTest::mouseClick(Main().Label2[0], Qt::LeftButton);  // the day form is heard too
  ASSERT_EQ(Reach(&Main()), "");
  // The buttons, then the values row by row, then round again.
  const auto& values = Main().Label2;
  EXPECT_EQ(Tabbing(Main().Command1, 10),
            (std::vector<QWidget*>{Main().Command3, Main().Command2, Main().Command4, values[0],
                                   values[3], values[1], values[2], values[4], values[5],
                                   Main().Command1}));
  Main().Command3->setFocus(Qt::TabFocusReason);
  Press(Qt::Key_Space);
  EXPECT_TRUE(platform.clipboard.startsWith(QStringLiteral("ステータス：")));
  // Version box, mini switch, help and exit are in the menus only; the mini has nothing else.
  // The main menu's items word for word are read off the real program's tray icon.
  EXPECT_EQ(MenuByKey(&Main()).size(), 8);
  Main().SwitchToMini();
  ASSERT_EQ(Reach(&Mini()), "");
  EXPECT_EQ(MenuByKey(&Mini()),
            QStringList({"コピーする", "ツイッター用にコピー", "ブログや掲示板を開く",
                         "ヘルプを読む", "設定変更をする", "バージョン情報", "標準サイズで運転する",
                         "アプリケーションの終了"}));

  Mini().mnuHelp->trigger();
  Form5* help = module->Find<Form5>();
  ASSERT_EQ(Reach(help), "");
  // Without a keyboard caret a screen reader cannot read the help line by line.
  EXPECT_EQ(QApplication::focusWidget(), help->Text1);
  QTest::keyClick(help->Text1, Qt::Key_End, Qt::ControlModifier);
  EXPECT_TRUE(help->Text1->textCursor().atEnd());

  Mini().mnuSettei->trigger();
  Form2* settings = module->Find<Form2>();
  ASSERT_EQ(Reach(settings), "");
  // On Linux a combo box is heard by its value; its caption comes from its buddy label.
  auto relations =
      QAccessible::queryAccessibleInterface(settings->Combo1)->relations(QAccessible::Label);
  ASSERT_EQ(relations.size(), 1);
  EXPECT_EQ(relations[0].first->text(QAccessible::Name), QStringLiteral("ステータスの選択"));
  // Along the four buttons at the bottom, then back to the address at the top.
  EXPECT_EQ(Tabbing(settings->Command1, 4),
            (std::vector<QWidget*>{settings->Command2, settings->Command6, settings->Command5,
                                   settings->Text4}));
  settings->Command5->click();
  EXPECT_EQ(Reach(module->Find<Form8>()), "");
}

// Help is a window and the notice a dialog, each heard by its title; Escape closes either.
TEST_F(Accessibility, HelpAndNoticeAreHeardByTitleAndCloseWithEscape) {
  StartRunning();
  const auto escape = [](QWidget* window, QAccessible::Role role) {
    ASSERT_TRUE(window);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(window);
    EXPECT_EQ(i->role(), role);
    EXPECT_EQ(i->text(QAccessible::Name), window->windowTitle());
    ASSERT_TRUE(Activate(window));
    Press(Qt::Key_Escape);
  };
  Main().mnuHelp->trigger();
  escape(module->Find<Form5>(), QAccessible::Window);
  EXPECT_TRUE(!module->Find<Form5>() && Main().isVisible());
  Main().Command1->click();
  module->Find<Form2>()->Command5->click();
  escape(module->Find<Form8>(), QAccessible::Dialog);
  EXPECT_FALSE(module->Find<Form8>());
  EXPECT_TRUE(module->Find<Form2>() && module->Find<Form2>()->isVisible());
}

// The summary's six lines are read where they show; Ctrl+M hides the mini window into the tray,
// and switching back to the main window from its icon leaves no icon behind.
TEST_F(Accessibility, MiniWindowSummaryKeysAndIcon) {
  StartRunning();
  QAccessibleTextInterface* summary =
      QAccessible::queryAccessibleInterface(Mini().Label1)->textInterface();
  ASSERT_TRUE(summary);
  EXPECT_EQ(Mini().Label1->text().count('\n'), 5);
  const int third = static_cast<int>(Mini().Label1->text().indexOf('\n')) + 1;
  EXPECT_GT(summary->characterRect(third).top(), summary->characterRect(0).top());
  EXPECT_EQ(summary->offsetAtPoint(summary->characterRect(third).center()), third);

  Main().SwitchToMini();
  ASSERT_TRUE(Activate(&Mini()));
  Press(Qt::Key_M, Qt::ControlModifier);
  EXPECT_TRUE(!Mini().isVisible() && TrayOf(Mini())->IsShown());
  ASSERT_EQ(TrayOf(Mini())->menu, Mini().mnuPopup);
  TrayOf(Mini())->menu->actions().at(6)->trigger();  // 標準サイズで運転する
  EXPECT_TRUE(Main().isVisible() && !Mini().isVisible() && !TrayOf(Mini())->IsShown());
}

// Setup, welcome and the Christmas greeting with the keyboard alone.
TEST_F(Accessibility, FirstStartWithTheKeyboardAlone) {
  QAccessible::setActive(true);
  Start({2024, 12, 25, 9, 0});
  Form3* setup = module->Find<Form3>();
  ASSERT_EQ(Reach(setup), "");
  EXPECT_EQ(QApplication::focusWidget(), setup->Text1[0]);
  QTest::keyClicks(setup->Text1[0], QStringLiteral("25"));
  Press(Qt::Key_Tab);  // to the price box, else the setup would refuse the figures
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("450"));
  Press(Qt::Key_Tab);
  // Tab enters the size row on its first option, not the chosen one; the arrows choose.
  const auto& sizes = setup->Option1;
  ASSERT_NE(std::find(sizes.begin(), sizes.end(), QApplication::focusWidget()), sizes.end());
  for (int i = 0; i < 3 && !sizes[2]->isChecked(); ++i) Press(Qt::Key_Right);
  EXPECT_TRUE(sizes[2]->isChecked());
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), setup->Command1);
  Press(Qt::Key_Return);

  Form4* welcome = module->Find<Form4>();
  ASSERT_EQ(Reach(welcome), "");
  EXPECT_EQ(Tabbing(welcome->Command1, 3),
            (std::vector<QWidget*>{welcome->Command2[0], welcome->Command2[1], welcome->Command1}));
  Press(Qt::Key_Return);
  ASSERT_EQ(Reach(module->Find<Form6>()), "");
  Press(Qt::Key_Return);
  ASSERT_TRUE(module->Find<Form1>() && module->Find<Form1>()->isVisible());
}

}  // namespace
}  // namespace kemurina
