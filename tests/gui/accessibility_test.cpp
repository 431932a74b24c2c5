// What a screen reader and a keyboard-only user get from each window.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/form4.h"
#include "dialogs/form5.h"
#include "dialogs/form6.h"
#include "dialogs/form8.h"
#include "tests/gui/fake_platform.h"
#include "windows/form7.h"

namespace kemurina {
namespace {

QString Name(QObject* o) {
  return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
}

// What a screen reader says about a control, joined.
QString Heard(QObject* o) {
  QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
  return Name(o) + '|' + i->text(QAccessible::Value) + '|' + i->text(QAccessible::Description);
}

// Controls, values and pictures without a name, values not heard with their text, controls
// Tab never reaches, boxes that cannot be told apart.
std::string Problems(QWidget* window) {
  QStringList problems, boxNames;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    auto* label = qobject_cast<QLabel*>(w);
    const bool box = qobject_cast<QLineEdit*>(w),
               control = box || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                         qobject_cast<QPlainTextEdit*>(w);
    // A combo box's own line edit is heard and reached through the combo box.
    if (qobject_cast<QComboBox*>(w->parentWidget()) || !w->isVisibleTo(window)) continue;
    if (!control && !qobject_cast<ClickLabel*>(w) && !qobject_cast<QProgressBar*>(w) &&
        !(label && !label->pixmap().isNull())) {
      continue;
    }
    const QString name = Name(w), at = w->metaObject()->className() +
                                       QStringLiteral(" at %1,%2").arg(w->x()).arg(w->y());
    if (name.trimmed().isEmpty()) problems << "unnamed " + at;
    if (label && !Heard(w).contains(label->text())) problems << "unheard " + at;
    if (control && w->isEnabled() && !(w->focusPolicy() & Qt::TabFocus)) problems << "no Tab " + at;
    if (box && boxNames.contains(name)) problems << "shared " + name;
    if (box) boxNames << name;
  }
  return problems.join('\n').toStdString();
}

void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
// A key where the keyboard focus is; a window it closes is gone afterwards.
void Press(Qt::Key key) {
  QTest::keyClick(QApplication::focusWidget(), key);
  FlushDeletes();
}

// Gives the window the keyboard, as a click on its title bar would.
bool Activate(QWidget* window) {
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

// Where `n` presses of Tab from `from` take the keyboard focus.
std::vector<QWidget*> Tabbing(QWidget* from, int n) {
  from->setFocus(Qt::TabFocusReason);
  std::vector<QWidget*> visited;
  for (int i = 0; i < n; ++i) {
    Press(Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  }
  return visited;
}

// The menu key where the keyboard focus is; true when it opened the window's menu.
bool MenuKeyOpens(DisplayWindow* window) {
  QWidget* target = window->focusWidget() ? window->focusWidget() : window;
  QContextMenuEvent event(QContextMenuEvent::Keyboard, {5, 5}, target->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(target, &event);
  const bool open = window->mnuPopup->isVisible();
  window->mnuPopup->hide();
  return open;
}

// The menu's items as a screen reader lists them.
QStringList MenuItems(QMenu* menu) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(menu);
  QStringList items;
  for (int i = 0; i < iface->childCount(); ++i) items << iface->child(i)->text(QAccessible::Name);
  return items;
}

class Accessibility : public testing::ProgramTest {
 protected:
  void SetUp() override { QAccessible::setActive(true); }
  void TearDown() override {
    FlushDeletes();
    module.reset();
  }
};

TEST_F(Accessibility, MainAndMiniWindows) {
  WriteFiles();
  Start({2024, 5, 13, 15, 4});
  Form1& main = Main();
  Form7& mini = *module->form7();
  QTest::mouseClick(main.Label2[0], Qt::LeftButton);  // the day form is heard too
  EXPECT_EQ(Problems(&main), "");
  EXPECT_EQ(Problems(&mini), "");
  EXPECT_EQ(MenuItems(main.mnuPopup),
            QStringList({"コピーする", "ツイッター用にコピー", "ブログや掲示板を開く",
                         "設定変更をする", "バージョン情報", "ミニサイズで運転する", "ヘルプを読む",
                         "アプリケーションの終了"}));
  EXPECT_EQ(MenuItems(mini.mnuPopup),
            QStringList({"コピーする", "ツイッター用にコピー", "ブログや掲示板を開く",
                         "ヘルプを読む", "設定変更をする", "バージョン情報", "標準サイズで運転する",
                         "アプリケーションの終了"}));
  ASSERT_TRUE(Activate(&main));
  EXPECT_EQ(Tabbing(main.Command1, 4),
            (std::vector<QWidget*>{main.Command3, main.Command2, main.Command4, main.Command1}));
  main.Command3->setFocus(Qt::TabFocusReason);
  Press(Qt::Key_Space);
  EXPECT_TRUE(platform.clipboard.startsWith(QStringLiteral("ステータス：")));
  // The version box, the mini switch, help and exit are only in the menu, and the mini
  // window has nothing else.
  EXPECT_TRUE(MenuKeyOpens(&main));
  main.SwitchToMini();
  ASSERT_TRUE(Activate(&mini));
  EXPECT_TRUE(MenuKeyOpens(&mini));
}

// Setup, welcome and the Christmas greeting with the keyboard alone.
TEST_F(Accessibility, FirstStartWithTheKeyboardAlone) {
  Start({2024, 12, 25, 9, 0});
  Form3* setup = module->form3();
  ASSERT_TRUE(setup && setup->isVisible() && Activate(setup));
  EXPECT_EQ(Problems(setup), "");
  EXPECT_EQ(QApplication::focusWidget(), setup->Text1[0]);
  QTest::keyClicks(setup->Text1[0], QStringLiteral("25"));
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), setup->Text1[1]);
  QTest::keyClicks(setup->Text1[1], QStringLiteral("450"));
  Press(Qt::Key_Tab);
  // Tab enters the size row on its first option, not the chosen one; the arrows choose.
  const auto& sizes = setup->Option1;
  ASSERT_NE(std::find(sizes.begin(), sizes.end(), QApplication::focusWidget()), sizes.end());
  for (int i = 0; i < 3 && !sizes[2]->isChecked(); ++i) Press(Qt::Key_Right);
  EXPECT_TRUE(sizes[2]->isChecked());
  Press(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), setup->Command1);
  Press(Qt::Key_Return);

  Form4* welcome = module->form4();
  ASSERT_TRUE(welcome && welcome->isVisible() && Activate(welcome));
  EXPECT_EQ(Problems(welcome), "");
  EXPECT_EQ(Tabbing(welcome->Command1, 3),
            (std::vector<QWidget*>{welcome->Command2[0], welcome->Command2[1], welcome->Command1}));
  Press(Qt::Key_Return);
  Form6* greeting = module->form6();
  ASSERT_TRUE(greeting && greeting->isVisible() && Activate(greeting));
  EXPECT_EQ(Problems(greeting), "");
  Press(Qt::Key_Return);
  ASSERT_TRUE(module->form1() && module->form1()->isVisible());
  EXPECT_EQ(module->settings().CigaretteLength, 100);
  EXPECT_EQ(module->settings().SetupDone, 1);
}

TEST_F(Accessibility, HelpSettingsAndNotice) {
  WriteFiles();
  Start({2024, 5, 13, 15, 4});
  Main().mnuHelp->trigger();
  Form5* help = module->form5();
  ASSERT_TRUE(help && help->isVisible() && Activate(help));
  EXPECT_EQ(Problems(help), "");
  // Without a keyboard caret a screen reader cannot read the help line by line.
  EXPECT_EQ(QApplication::focusWidget(), help->Text1);
  QTest::keyClick(help->Text1, Qt::Key_End, Qt::ControlModifier);
  EXPECT_TRUE(help->Text1->textCursor().atEnd());

  Main().Command1->click();
  FlushDeletes();
  Form2* settings = module->form2();
  ASSERT_TRUE(settings && settings->isVisible() && Activate(settings));
  EXPECT_EQ(Problems(settings), "");
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
  FlushDeletes();
  ASSERT_TRUE(module->form8() && module->form8()->isVisible());
  EXPECT_EQ(Problems(module->form8()), "");
}

}  // namespace
}  // namespace kemurina
