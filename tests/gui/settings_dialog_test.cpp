// The settings dialog and the windows it shares the screen with: help and the notice.

#include "dialogs/logic/help_text.h"
#include "tests/gui/program_test.h"
#include "windows/fonts.h"

namespace kemurina {
namespace {

const QString kRange = QStringLiteral("有効範囲内にある半角数字を入れてください");

bool Shown(const QWidget* w) { return w && w->isVisible(); }

class SettingsDialogTest : public testing::ProgramTest {
 protected:
  void SetUp() override {
    WriteFiles();
    Start(platform.now);
  }
  Form2* Open() {  // from the window on screen
    module->settings().WindowMode == 1 ? Mini().mnuSettei->trigger() : Main().Command1->click();
    return module->Find<Form2>();
  }
};
using HelpNoticeTest = SettingsDialogTest;

TEST_F(SettingsDialogTest, OpensInTheMainWindowsPlaceShowingTheRecord) {
  Form2* d = Open();
  ASSERT_TRUE(Shown(d));
  EXPECT_EQ(d->pos(), QPoint(100, 80));  // where the main window is
  EXPECT_EQ((QStringList{d->windowTitle(), d->Text1[0]->text(), d->Text1[3]->text(),
                         d->Text5->text(), d->Combo1->currentText(), d->Combo1->itemText(2),
                         d->Frame1->title(), d->Option2[2]->text(), d->Label2->text(),
                         d->Label5->text(), d->Command5->text()}),
            (QStringList{" 設定ウィンドウ - 全て半角で記入してください - hakkaro", "2024", "12",
                         "12244", "ソルジャー", "会社モード", "copy+", "ON+喫煙年数→", "サンプル色",
                         "箱数表示", "アオゾラ"}));
  EXPECT_TRUE(d->Option1[1]->isChecked() && d->Option2[0]->isChecked() && d->Check2->isChecked());
  EXPECT_FALSE(d->Text7->isEnabled());
  d->Option2[2]->click();
  EXPECT_TRUE(d->Text7->isEnabled());
  d->Option2[1]->click();
  EXPECT_FALSE(d->Text7->isEnabled());
  d->Command6->click();  // help opens beside the dialog
  EXPECT_TRUE(Shown(module->Find<Form5>()) && Shown(module->Find<Form2>()));
}

// Each way out brings back the opener; a chosen colour (first request cancelled) waits for Save.
TEST_F(SettingsDialogTest, EachWayOutBringsBackTheOpener) {
  enum Way { Save, Cancel, CloseBox };
  for (const auto& [mode, way] : {std::pair{2, Save}, {2, CloseBox}, {1, Save}, {1, Cancel}}) {
    SCOPED_TRACE(::testing::Message() << "mode " << mode << " way " << way);
    if (mode == 1 && Shown(module->Find<Form1>())) Main().SwitchToMini();
    Form2* d = Open();
    ASSERT_TRUE(d && !module->Find<Form1>() && !module->Find<Form7>());
    const auto files = Files();
    d->Text1[1]->setText(QStringLiteral("4"));
    d->Text2->setText(QStringLiteral("30本"));
    d->Combo1->setEditText(QStringLiteral("ドラゴン"));
    d->Text4->setText(QStringLiteral("  www.example.net/  "));
    d->move(200, 150);
    platform.colorAnswers = {std::nullopt, 0x112233};
    const Settings before = module->settings();
    d->Command3->click();
    EXPECT_EQ(module->settings(), before);
    d->Command4->click();
    EXPECT_EQ(d->Label2->palette().color(QPalette::Window), FromBgr(0x112233));
    if (way == Save) d->Command1->click();
    if (way == Cancel) d->Command2->click();
    if (way == CloseBox) d->close();
    // Behind the mini window the main window is created hidden.
    EXPECT_TRUE(!module->Find<Form2>() && module->Find<Form1>() && platform.messages.isEmpty());
    EXPECT_EQ(std::pair(Shown(module->Find<Form7>()), Shown(module->Find<Form1>())),
              std::pair(mode == 1, mode == 2));
    const Settings disk = OnDisk();
    EXPECT_TRUE(way == Save || Files() == files);
    if (way != Save) continue;
    EXPECT_EQ(std::tuple(disk.QuitDate(), disk.CigarettesPerDay, disk.StatusModeName, disk.BbsUrl,
                         disk.MainLeft, disk.MainTop, disk.TextBackColor, disk.TextForeColor),
              std::tuple(LocalTime{2024, 4, 1, 12, 0}, 30, std::string("ドラゴン"),
                         std::string("www.example.net/"), 3000, 2250, 0x112233, 0xFFFFFF));
  }
}

// Cancelled colours are dropped by the main window's reload, but stay on the mini window it
// returns to until the next start.
TEST_F(SettingsDialogTest, CancelledColoursStayOnTheMiniWindowOnly) {
  for (const int mode : {2, 1}) {
    if (mode == 1) Main().SwitchToMini();
    Form2* d = Open();
    platform.colorAnswers = {0x112233};
    d->Command4->click();
    d->Command2->click();
    const QColor back = (mode == 1 ? static_cast<QWidget*>(Mini().Label1) : Main().Label2[0])
                            ->palette()
                            .color(QPalette::Window);
    EXPECT_EQ(back, FromBgr(mode == 1 ? 0x112233 : kDefaultTextBackColor)) << mode;
    EXPECT_EQ(module->settings().TextBackColor, kDefaultTextBackColor);
  }
}

// A rejected Save keeps the dialog; initial.ini is written before the tax and years checks.
TEST_F(SettingsDialogTest, EnterSavesFromAnyBox) {
  // Edits as "box=text", boxes Text1(0..4), Text2..Text7 numbered 0..10; Enter goes to the last.
  const std::tuple<const char*, QString, bool> rows[] = {
      {"1=3 9=-1", kRange, true},
      {"2=2 10=0", kRange, true},  // read even while the box is disabled
      {"1=5 4=1", QStringLiteral("現在より未来の日時は設定できません"), false},  // 12:01
      {"6=", kRange, false}};
  for (const auto& [edits, message, initialWritten] : rows) {
    SCOPED_TRACE(edits);
    Form2* d = Open();
    const std::array boxes{d->Text1[0], d->Text1[1], d->Text1[2], d->Text1[3],
                           d->Text1[4], d->Text2,    d->Text3,    d->Text4,
                           d->Text5,    d->Text6,    d->Text7};
    const auto files = Files();
    platform.messages.clear();
    QLineEdit* box = nullptr;
    for (const QString& edit : QString::fromUtf8(edits).split(' ')) {
      box = boxes[edit.section('=', 0, 0).toUInt()];
      box->setText(edit.section('=', 1));
    }
    QTest::keyClick(box, Qt::Key_Return);
    // Holding Enter down does not save again and again.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    for (int i = 0; i < 3; ++i) QApplication::sendEvent(box, &repeat);
    EXPECT_EQ(platform.messages, QStringList{message});
    EXPECT_TRUE(module->Find<Form2>() == d && d->isVisible());
    // Cancel writes nothing more; the main window's load re-reads both files.
    d->Command2->click();
    EXPECT_TRUE(Shown(module->Find<Form1>()) && module->settings() == OnDisk());
    EXPECT_EQ(Files().first != files.first, initialWritten);
    EXPECT_EQ(Files().second, files.second);
  }
}

// A theme name typed key by key or committed by an input method is kept, never completed.
TEST_F(SettingsDialogTest, TypedThemeNameStaysAsTyped) {
  for (const QString& typed : {QStringLiteral("日本"), QStringLiteral("会社")}) {
    Form2* d = Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    QLineEdit* edit = d->Combo1->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    if (typed.startsWith(QStringLiteral("日"))) {
      for (QChar c : typed) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &release);
      }
    } else {
      QInputMethodEvent commit;
      commit.setCommitString(typed);
      QApplication::sendEvent(edit, &commit);
    }
    EXPECT_EQ(d->Combo1->currentText().toStdString(), typed.toStdString());
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_EQ(module->Find<Form2>(), nullptr);
    EXPECT_EQ(OnDisk().StatusModeName, typed.toStdString());
  }
}

TEST_F(SettingsDialogTest, UnwritableDataFolderKeepsTheDialog) {
  Form2* d = Open();
  BreakDataFolder();
  d->Text2->setText(QStringLiteral("25"));
  d->Command1->click();
  EXPECT_EQ(platform.messages, QStringList{SaveFailed()});
  EXPECT_TRUE(module->Find<Form2>() == d && d->Text2->text() == QStringLiteral("25"));
}

TEST_F(HelpNoticeTest, HelpOpensBesideItsOpenerFillsItsWindowAndIsReused) {
  Main().mnuHelp->trigger();
  Form5* help = module->Find<Form5>();
  ASSERT_TRUE(help && help->isVisible() && Main().isVisible());
  EXPECT_EQ(help->windowTitle(), QStringLiteral("  (?_?) - help"));
  EXPECT_EQ(help->Text1->toPlainText().replace('\n', QStringLiteral("\r\n")).toStdString(),
            HelpText());
  // Normal, maximised, restored, and back from minimised by the mini window's menu, not anew.
  auto fills = [help] { return help->Text1->geometry() == help->rect(); };
  EXPECT_TRUE(fills());
  for (const bool maximized : {true, false}) {
    maximized ? help->showMaximized() : help->showNormal();
    QTest::qWait(20);
    EXPECT_TRUE(help->isMaximized() == maximized && fills()) << maximized;
  }
  help->showMinimized();
  module->Find<Form7>()->mnuHelp->trigger();
  QTest::qWait(20);
  EXPECT_TRUE(module->Find<Form5>() == help && !help->isMinimized() && fills());
  help->close();
  EXPECT_TRUE(!module->Find<Form5>() && Main().isVisible());
}

TEST_F(HelpNoticeTest, NoticeTakesTheDialogsPlaceAndBringsItBack) {
  Form2* dialog = Open();
  dialog->Text2->setText(QStringLiteral("0"));  // rejected, but read into the settings
  dialog->Command1->click();
  dialog->Command5->click();
  Form8* notice = module->Find<Form8>();
  ASSERT_TRUE(notice && notice->isVisible() && !module->Find<Form2>());
  EXPECT_EQ(notice->windowTitle(), QStringLiteral(" ヾ(〃^∇^)ﾉ つぎはのんびりケムリナ旅行～"));
  EXPECT_EQ(notice->pos(), QPoint(100, 80));
  EXPECT_EQ(notice->Command2->text(), QStringLiteral("アオゾラの詳細をＷＥＢでみる"));
  EXPECT_TRUE(notice->Text1->toPlainText().startsWith(
      QStringLiteral("アオゾラ ～ もうひとつのケムリナ式 ～\n\n")));
  // A failing browser start: the message once per click, and the notice stays.
  platform.openUrlSucceeds = false;
  notice->Command2->click();
  notice->Command2->click();
  platform.openUrlSucceeds = true;
  notice->Command2->click();
  EXPECT_EQ(platform.messages,
            QStringList{kRange} + QStringList(2, QStringLiteral("エラーです。フォルダオプションの"
                                                                "関連付けなどを確認してください")));
  EXPECT_EQ(platform.openedUrls, QStringList(3, QStringLiteral("http://www.example.com/aozora/")));
  EXPECT_EQ(module->Find<Form8>(), notice);
  notice->close();
  ASSERT_TRUE(Shown(module->Find<Form2>()) && !module->Find<Form1>() && !module->Find<Form8>());
  EXPECT_EQ(module->Find<Form2>()->Text2->text(), QStringLiteral("0"));
}

}  // namespace
}  // namespace kemurina
