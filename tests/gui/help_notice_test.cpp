#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>

#include <memory>

#include "data_folder.h"
#include "dialogs/form2.h"
#include "dialogs/form5.h"
#include "dialogs/form8.h"
#include "dialogs/logic/help_text.h"
#include "fake_platform.h"
#include "startup/settings_file.h"
#include "windows/form1.h"
#include "windows/form7.h"
#include "windows/module.h"

namespace kemurina {
namespace {

using testing::DataFolder;
using testing::FakePlatform;

class HelpNoticeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Settings s;
    s.SetQuitDate({2024, 4, 1, 8, 0});
    s.SetupDone = 1;
    s.MainLeft = 1500;
    s.MainTop = 1200;
    ASSERT_TRUE(SaveInitial(folder_.Data("initial.ini"), s));
    ASSERT_TRUE(SaveOptions(folder_.Data("option.ini"), s));
    module_ = std::make_unique<Module>(platform_, folder_.Base());
    module_->ReloadFiles();
    module_->Open(FirstWindow::MainShown);
  }
  void TearDown() override {
    module_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  DataFolder folder_;
  FakePlatform platform_;
  std::unique_ptr<Module> module_;
};

TEST_F(HelpNoticeTest, HelpOpensBesideItsOpenerAndIsReused) {
  Form1* main = module_->form1();
  main->mnuHelp->trigger();
  Form5* help = module_->form5();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_TRUE(main->isVisible());
  EXPECT_EQ(help->windowTitle(), QStringLiteral("  (?_?) - help"));
  EXPECT_TRUE(help->Text1->isReadOnly());
  EXPECT_EQ(help->Text1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  QString expected = QString::fromStdString(HelpText());
  expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  EXPECT_EQ(help->Text1->toPlainText(), expected);
  // Centred on the 15360 x 11520 screen.
  EXPECT_EQ(help->pos(), QPoint(259, 114));

  help->showMinimized();
  module_->form7()->mnuHelp->trigger();
  EXPECT_EQ(module_->form5(), help);
  EXPECT_FALSE(help->windowState() & Qt::WindowMinimized);
  int helpWindows = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (qobject_cast<Form5*>(w) && w->isVisible()) ++helpWindows;
  }
  EXPECT_EQ(helpWindows, 1);

  // Closing it leaves the opener alone and a new request makes a new one.
  help->close();
  EXPECT_EQ(module_->form5(), nullptr);
  EXPECT_TRUE(main->isVisible());
  main->mnuHelp->trigger();
  EXPECT_NE(module_->form5(), nullptr);
}

TEST_F(HelpNoticeTest, HelpTextFillsTheWindow) {
  module_->OpenHelpWindow();
  Form5* help = module_->form5();
  auto fills = [help] { return help->Text1->geometry() == help->rect(); };
  EXPECT_TRUE(fills());

  help->resize(300, 200);
  EXPECT_TRUE(fills());
  help->showMaximized();
  QTest::qWait(20);
  EXPECT_TRUE(help->isMaximized());
  EXPECT_TRUE(fills());
  help->showMinimized();
  QTest::qWait(20);
  help->showNormal();
  QTest::qWait(20);
  EXPECT_TRUE(fills());
}

TEST_F(HelpNoticeTest, NoticeTakesTheDialogsPlaceAndBringsItBack) {
  module_->form1()->Command1->click();
  Form2* dialog = module_->form2();
  // A rejected Save leaves the count it read in the settings.
  dialog->Text2->setText(QStringLiteral("0"));
  dialog->Command1->click();
  dialog->Command5->click();

  Form8* notice = module_->form8();
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(module_->form2(), nullptr);
  EXPECT_TRUE(notice->isVisible());
  EXPECT_EQ(notice->windowTitle(), QString::fromUtf16(u" \u30FE(\u3003^\u2207^)\uFF89 "
                                                      u"つぎはのんびりケムリナ旅行\uFF5E"));
  EXPECT_FALSE(notice->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(notice->pos(), QPoint(100, 80));
  EXPECT_EQ(notice->Command2->text(), QStringLiteral("アオゾラの詳細をＷＥＢでみる"));
  EXPECT_TRUE(notice->Text1->toPlainText().startsWith(
      QStringLiteral("アオゾラ ～ もうひとつのケムリナ式 ～\n\n")));

  // A failing browser start gives the message once per click, and the
  // notice stays.
  platform_.openUrlSucceeds = false;
  notice->Command2->click();
  notice->Command2->click();
  const QString failure =
      QStringLiteral("エラーです。フォルダオプションの関連付けなどを確認してください");
  const QString range = QStringLiteral("有効範囲内にある半角数字を入れてください");
  EXPECT_EQ(platform_.messages, (QStringList{range, failure, failure}));
  const QString address = QStringLiteral("http://www.example.com/aozora/");
  EXPECT_EQ(platform_.openedUrls, (QStringList{address, address}));
  EXPECT_EQ(module_->form8(), notice);
  platform_.openUrlSucceeds = true;
  notice->Command2->click();
  EXPECT_EQ(platform_.messages.size(), 3);

  notice->close();
  Form2* back = module_->form2();
  ASSERT_NE(back, nullptr);
  EXPECT_TRUE(back->isVisible());
  EXPECT_EQ(back->Text2->text(), QStringLiteral("0"));
  EXPECT_EQ(module_->form1(), nullptr);
  EXPECT_EQ(module_->form8(), nullptr);
}

}  // namespace
}  // namespace kemurina
