#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>

#include <memory>

#include "data_folder.h"
#include "dialogs/form2.h"
#include "dialogs/form5.h"
#include "dialogs/logic/settings_save.h"
#include "fake_platform.h"
#include "startup/settings_file.h"
#include "windows/fonts.h"
#include "windows/form1.h"
#include "windows/form7.h"
#include "windows/module.h"

namespace kemurina {
namespace {

using testing::DataFolder;
using testing::FakePlatform;

const QString kRange = QStringLiteral("有効範囲内にある半角数字を入れてください");
const QString kFuture = QStringLiteral("現在より未来の日時は設定できません");

template <typename T>
int VisibleWindows() {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    auto* form = qobject_cast<T*>(w);
    if (form && form->isVisible() && !form->IsUnloading()) ++n;
  }
  return n;
}

class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Settings s;
    s.SetQuitDate({2024, 4, 1, 8, 0});
    s.SetupDone = 1;
    s.MainLeft = 1500;
    s.MainTop = 1200;
    s.CopyPlusMode = 0;
    ASSERT_TRUE(SaveInitial(folder_.Data("initial.ini"), s));
    ASSERT_TRUE(SaveOptions(folder_.Data("option.ini"), s));
  }
  void TearDown() override {
    module_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Starts like the program: the main window (or the mini one) on screen.
  void Start(int windowMode = 2) {
    if (windowMode != 2) {
      Settings s;
      ASSERT_TRUE(LoadInitial(folder_.Data("initial.ini"), s));
      ASSERT_TRUE(LoadOptions(folder_.Data("option.ini"), s));
      s.WindowMode = windowMode;
      ASSERT_TRUE(SaveOptions(folder_.Data("option.ini"), s));
    }
    module_ = std::make_unique<Module>(platform_, folder_.Base());
    module_->ReloadFiles();
    module_->Open(windowMode == 1 ? FirstWindow::MiniShown : FirstWindow::MainShown);
  }

  Form2* OpenFromMain() {
    module_->form1()->Command1->click();
    return module_->form2();
  }

  Settings OnDisk() const {
    Settings s;
    EXPECT_TRUE(LoadInitial(folder_.Data("initial.ini"), s));
    EXPECT_TRUE(LoadOptions(folder_.Data("option.ini"), s));
    return s;
  }

  DataFolder folder_;
  FakePlatform platform_;
  std::unique_ptr<Module> module_;
};

TEST_F(SettingsDialogTest, LaidOutAsDesigned) {
  Start();
  Form2* d = OpenFromMain();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->windowTitle(),
            QStringLiteral(" 設定ウィンドウ - 全て半角で記入してください - hakkaro"));
  EXPECT_FALSE(d->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(d->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(d->size(), QSize(375, 222));  // 5625 x 3330 twips
  const std::pair<QLineEdit*, int> limits[] = {{d->Text1[0], 4}, {d->Text1[1], 2}, {d->Text1[2], 2},
                                               {d->Text1[3], 2}, {d->Text1[4], 2}, {d->Text2, 3},
                                               {d->Text3, 4},    {d->Text4, 256},  {d->Text5, 5},
                                               {d->Text6, 2},    {d->Text7, 2}};
  for (const auto& [box, limit] : limits) EXPECT_EQ(box->maxLength(), limit);
  ASSERT_EQ(d->Combo1->count(), 4);
  EXPECT_TRUE(d->Combo1->isEditable());
  EXPECT_EQ(d->Combo1->itemText(2), QStringLiteral("会社モード"));
  EXPECT_EQ(d->Frame1->title(), QStringLiteral("copy+"));
  EXPECT_EQ(d->Option2[2]->text(), QStringLiteral("ON+喫煙年数→"));
  EXPECT_EQ(d->Label2->text(), QStringLiteral("サンプル色"));
  EXPECT_EQ(d->Label5->text(), QStringLiteral("箱数表示"));
  EXPECT_TRUE(d->Command5->font().underline());
  EXPECT_EQ(d->Command5->text(), QStringLiteral("アオゾラ"));
}

TEST_F(SettingsDialogTest, OpeningFromMainUnloadsBothWindowsAndShowsTheRecord) {
  Start();
  std::filesystem::remove(folder_.Data("option.ini"));
  Form2* d = OpenFromMain();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(module_->form1(), nullptr);
  EXPECT_EQ(module_->form7(), nullptr);
  EXPECT_TRUE(d->isVisible());
  // The main window's close handler wrote the options on its way out.
  EXPECT_TRUE(std::filesystem::exists(folder_.Data("option.ini")));
  EXPECT_EQ(d->pos(), QPoint(100, 80));  // MainLeft 1500, MainTop 1200
  EXPECT_EQ(d->Text1[0]->text(), QStringLiteral("2024"));
  EXPECT_EQ(d->Text1[3]->text(), QStringLiteral("8"));
  EXPECT_EQ(d->Text5->text(), QStringLiteral("12244"));
  EXPECT_TRUE(d->Option1[1]->isChecked());
  EXPECT_TRUE(d->Option2[0]->isChecked());
  EXPECT_FALSE(d->Text7->isEnabled());
  EXPECT_TRUE(d->Check2->isChecked());
  EXPECT_EQ(d->Combo1->currentText(), QStringLiteral("ソルジャー"));
}

TEST_F(SettingsDialogTest, GoodSaveWritesBothFilesAndBringsBackTheMainWindow) {
  Start();
  Form2* d = OpenFromMain();
  d->Text1[2]->setText(QStringLiteral("15"));
  d->Text2->setText(QStringLiteral("30本"));
  d->Combo1->setEditText(QStringLiteral("ドラゴン"));
  d->Text4->setText(QStringLiteral("  www.example.net/  "));
  d->move(200, 150);
  d->Command1->click();

  EXPECT_EQ(module_->form2(), nullptr);
  EXPECT_EQ(VisibleWindows<Form1>(), 1);
  EXPECT_EQ(VisibleWindows<Form7>(), 0);
  const Settings disk = OnDisk();
  EXPECT_EQ(disk.QuitDate(), (LocalTime{2024, 4, 15, 8, 0}));
  EXPECT_EQ(disk.CigarettesPerDay, 30);
  EXPECT_EQ(disk.StatusModeName, "ドラゴン");
  EXPECT_EQ(disk.BbsUrl, "www.example.net/");
  EXPECT_EQ(disk.MainLeft, 3000);
  EXPECT_EQ(disk.MainTop, 2250);
  EXPECT_TRUE(platform_.messages.isEmpty());
}

TEST_F(SettingsDialogTest, WithMiniModeSaveAndCancelBringBackTheMiniWindow) {
  Start(1);
  module_->form7()->mnuSettei->trigger();
  ASSERT_NE(module_->form2(), nullptr);
  EXPECT_EQ(module_->form7(), nullptr);
  module_->form2()->Command1->click();
  EXPECT_EQ(VisibleWindows<Form7>(), 1);
  EXPECT_EQ(VisibleWindows<Form1>(), 0);
  EXPECT_NE(module_->form1(), nullptr);  // created hidden, its timer runs

  module_->form7()->mnuSettei->trigger();
  module_->form2()->Command2->click();
  EXPECT_EQ(VisibleWindows<Form7>(), 1);
  EXPECT_EQ(VisibleWindows<Form1>(), 0);
}

TEST_F(SettingsDialogTest, BadValueGivesItsMessageAndKeepsTheDialog) {
  Start();
  Form2* d = OpenFromMain();
  const std::string oldOptions = folder_.Read("option.ini");
  d->Text1[1]->setText(QStringLiteral("3"));
  d->Text6->setText(QStringLiteral("-1"));
  d->Command1->click();
  EXPECT_EQ(platform_.messages, QStringList{kRange});
  EXPECT_EQ(module_->form2(), d);
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(folder_.Read("option.ini"), oldOptions);

  // Cancel: the new quit moment was already written, the options were not.
  d->Command2->click();
  EXPECT_EQ(module_->settings().QuitMonth, 3);
  EXPECT_EQ(module_->settings().ConsumptionTaxPercent, 5);
  EXPECT_EQ(VisibleWindows<Form1>(), 1);
}

TEST_F(SettingsDialogTest, FutureMomentRefused) {
  Start();
  Form2* d = OpenFromMain();
  d->Text1[1]->setText(QStringLiteral("5"));
  d->Text1[3]->setText(QStringLiteral("12"));
  d->Text1[4]->setText(QStringLiteral("1"));  // a minute after the fake clock
  d->Command1->click();
  EXPECT_EQ(platform_.messages, QStringList{kFuture});
  EXPECT_EQ(module_->form2(), d);
}

TEST_F(SettingsDialogTest, EnterSavesFromAnyBox) {
  Start();
  QTest::keyClick(OpenFromMain()->Text2, Qt::Key_Return);
  EXPECT_EQ(module_->form2(), nullptr);
  EXPECT_EQ(VisibleWindows<Form1>(), 1);

  Form2* d = OpenFromMain();
  d->Combo1->setEditText(QStringLiteral("コスモ"));
  QTest::keyClick(d->Combo1->lineEdit(), Qt::Key_Enter);
  EXPECT_EQ(module_->form2(), nullptr);
  EXPECT_EQ(OnDisk().StatusModeName, "コスモ");

  // A rejected Save by Enter gives its message once and keeps the dialog.
  d = OpenFromMain();
  d->Text3->setText(QString());
  QTest::keyClick(d->Text3, Qt::Key_Return);
  EXPECT_EQ(platform_.messages, QStringList{kRange});
  EXPECT_EQ(module_->form2(), d);
  // Holding Enter down does not save again and again.
  for (int i = 0; i < 3; ++i) {
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QApplication::sendEvent(d->Text3, &repeat);
  }
  EXPECT_EQ(platform_.messages, QStringList{kRange});
}

// Names typed into the theme box, key by key or committed by an input
// method, are stored as typed: never completed to a listed name.
TEST_F(SettingsDialogTest, TypedThemeNameStaysAsTyped) {
  Start();
  for (const QString& typed : {QStringLiteral("日本"), QStringLiteral("会社")}) {
    Form2* d = OpenFromMain();
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
    ASSERT_EQ(module_->form2(), nullptr);
    EXPECT_EQ(OnDisk().StatusModeName, typed.toStdString());
  }
}

TEST_F(SettingsDialogTest, ColourChoice) {
  Start();
  Form2* d = OpenFromMain();
  const Settings before = module_->settings();
  const QColor sampleBack = d->Label2->palette().color(QPalette::Window);
  platform_.colorAnswers = {std::nullopt, 0x112233};

  d->Command3->click();  // cancelled
  EXPECT_EQ(module_->settings(), before);
  EXPECT_EQ(d->Label2->palette().color(QPalette::Window), sampleBack);

  const std::string oldOptions = folder_.Read("option.ini");
  d->Command4->click();
  EXPECT_EQ(platform_.colorRequests, 2);
  EXPECT_EQ(module_->settings().TextBackColor, 0x112233);
  EXPECT_EQ(module_->settings().TextForeColor, before.TextForeColor);
  EXPECT_EQ(d->Label2->palette().color(QPalette::Window), FromBgr(0x112233));
  EXPECT_EQ(folder_.Read("option.ini"), oldOptions);  // only Save writes it
  d->Command1->click();
  EXPECT_EQ(OnDisk().TextBackColor, 0x112233);
}

TEST_F(SettingsDialogTest, CloseBoxActsAsCancel) {
  Start();
  Form2* d = OpenFromMain();
  const std::string initial = folder_.Read("initial.ini");
  const std::string options = folder_.Read("option.ini");
  d->Text2->setText(QStringLiteral("99"));
  d->close();
  EXPECT_EQ(module_->form2(), nullptr);
  EXPECT_EQ(VisibleWindows<Form1>(), 1);
  EXPECT_EQ(folder_.Read("initial.ini"), initial);
  EXPECT_EQ(folder_.Read("option.ini"), options);
  EXPECT_TRUE(module_->AnyWindowLoaded());
}

TEST_F(SettingsDialogTest, UnwritableDataFolderKeepsTheDialog) {
  Start();
  Form2* d = OpenFromMain();
  // Running as root ignores permissions: a file in the folder's place cannot be written into.
  std::filesystem::remove_all(folder_.Base() / "kemurinadata");
  std::ofstream(folder_.Base() / "kemurinadata") << "x";
  d->Text2->setText(QStringLiteral("25"));
  d->Command1->click();
  EXPECT_EQ(platform_.messages,
            QStringList{QStringLiteral("設定を保存できませんでした。データフォルダ（kemurinadata）"
                                       "に書き込めるか確認してください。")});
  EXPECT_EQ(module_->form2(), d);
  EXPECT_EQ(d->Text2->text(), QStringLiteral("25"));
}

TEST_F(SettingsDialogTest, YearsBoxFollowsTheCopyPlusChoice) {
  Start();
  Form2* d = OpenFromMain();
  EXPECT_FALSE(d->Text7->isEnabled());
  d->Option2[2]->click();
  EXPECT_TRUE(d->Text7->isEnabled());
  d->Option2[1]->click();
  EXPECT_FALSE(d->Text7->isEnabled());

  // Still read while disabled.
  d->Text7->setText(QStringLiteral("0"));
  d->Command1->click();
  EXPECT_EQ(platform_.messages, QStringList{kRange});
}

TEST_F(SettingsDialogTest, HelpOpensBesideTheDialog) {
  Start();
  Form2* d = OpenFromMain();
  d->Command6->click();
  ASSERT_NE(module_->form5(), nullptr);
  EXPECT_TRUE(module_->form5()->isVisible());
  EXPECT_EQ(module_->form2(), d);
  EXPECT_TRUE(d->isVisible());
}

}  // namespace
}  // namespace kemurina
