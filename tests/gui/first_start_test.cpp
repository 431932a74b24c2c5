#include <QPointer>

#include "tests/gui/program_test.h"

namespace kemurina {
namespace {

// Runs the event loop until the program ends (0) or the time is up (99).
int RunUntilQuit(int milliseconds) {
  QObject limit;  // a loop that ends sooner takes its time limit with it
  QTimer::singleShot(milliseconds, &limit, [] { QCoreApplication::exit(99); });
  return QCoreApplication::exec();
}

class FirstStart : public testing::ProgramTest {
 protected:
  // Start-up in an empty data folder writes both files and opens the setup.
  void StartAt(const LocalTime& now) {
    std::filesystem::remove_all(base / "kemurinadata");
    Start(now);
    written = Files();
  }

  // 25 a day at 450 yen (the boxes cut off the last digit typed), Enter in the price box or size.
  Form4& PassSetup(size_t size = 2, bool enterOnSize = false) {
    Form3* setup = module->Find<Form3>();
    EXPECT_TRUE(setup && setup->isVisible() && setup->Option1[1]->isChecked());
    EXPECT_EQ(setup->windowTitle(), QStringLiteral(" ケムリナ式初期設定 - hakkaro"));
    QTest::keyClicks(setup->Text1[0], QStringLiteral("0250"));
    QTest::keyClicks(setup->Text1[1], QStringLiteral("04500"));
    setup->Option1[size]->click();
    QWidget* enterIn = enterOnSize ? static_cast<QWidget*>(setup->Option1[size]) : setup->Text1[1];
    QTest::keyClick(enterIn, Qt::Key_Return);
    testing::FlushDeletes();
    Form4* welcome = module->Find<Form4>();
    EXPECT_TRUE(!module->Find<Form3>() && welcome && welcome->isVisible());
    EXPECT_EQ(welcome->windowTitle(), QString::fromUtf8(" ( \u30fb\u25c7\u30fb)  - hakkaro"));
    welcome->move(300, 200);
    return *welcome;
  }

  std::pair<std::string, std::string> written;
};

// The start button (or Enter) stamps the quit moment; on greeting days the greeting comes first.
// Which days have one is the core's table; here each greeting once and a day without.
TEST_F(FirstStart, SetupWelcomeAndGreetingOpenTheMainWindow) {
  struct Row {
    LocalTime SetupAt;
    int MinutesToPress, Length;
    size_t Size;
    bool EnterOnSize, EnterOnWelcome;
    const char* Greeting = nullptr;  // caption|Label1|Label2|Label3(0)|Label3(1)
    std::array<bool, 3> Pictures{};
    std::pair<int, int> Tops{};  // of Label2 and Label3(1), pixels of 15 twips
  };
  const char* newYear =
      "謹賀新年 - hkrsoft|お正月限定スペシャルメッセージ|あけましておめでとうございます||"
      "貴方のケムリナが成功しますように！";
  // clang-format off
  for (const Row& row : {
           Row{{2024, 5, 1, 12, 0}, 7, 100, 2, false, true},
           Row{{2024, 5, 1, 12, 0}, 0, 50, 0, true, false},
           Row{{2024, 12, 23, 23, 50}, 9, 85, 1, false, false},
           Row{{2024, 12, 24, 23, 58}, 1, 100, 2, false, false,
               "クリスマスイブ - hkrsoft|クリスマスイブ限定スペシャルメッセージ||"
               "聖なる日のケムリナが|成功しますように！", {false, true, false}, {64, 128}},
           Row{{2024, 12, 25, 0, 0}, 0, 100, 2, false, true,
               "メリークリスマス - hkrsoft|クリスマス限定スペシャルメッセージ|"
               "メリークリスマス|聖なる日のケムリナが|成功しますように！", {true, false, true}, {64, 128}},
           Row{{2025, 1, 3, 23, 59}, 0, 100, 2, false, false, newYear, {}, {80, 120}}}) {
    // clang-format on
    SCOPED_TRACE(row.SetupAt.Month * 100 + row.SetupAt.Day);
    StartAt(row.SetupAt);
    Form4& welcome = PassSetup(row.Size, row.EnterOnSize);
    EXPECT_EQ(Files(), written);  // the figures wait in memory for the start button
    const LocalTime pressed = platform.now = testing::AddMinutes(row.SetupAt, row.MinutesToPress);
    row.EnterOnWelcome ? QTest::keyClick(&welcome, Qt::Key_Enter) : welcome.Command1->click();
    testing::FlushDeletes();
    if (row.Greeting) {
      ASSERT_TRUE(!module->Find<Form1>() && module->Find<Form6>() &&
                  module->Find<Form6>()->isVisible());
      Form6& g = *module->Find<Form6>();
      EXPECT_EQ((QStringList{g.windowTitle(), g.Label1->text(), g.Label2->text(),
                             g.Label3[0]->text(), g.Label3[1]->text()}),
                QString::fromUtf8(row.Greeting).split('|'));
      for (size_t i = 0; i < 3; ++i) EXPECT_EQ(!g.Image1[i]->isHidden(), row.Pictures[i]) << i;
      EXPECT_EQ(std::pair(g.Label2->y(), g.Label3[1]->y()), row.Tops);
      for (const QLabel* l : g.findChildren<QLabel*>()) {  // each text whole, inside the window
        EXPECT_TRUE(l->width() >= l->sizeHint().width() && l->x() >= 0 &&
                    l->geometry().right() <= g.width());
      }
      // The chick, drawn for the screen's density, moves only while the greeting is shown.
      const QTimer* timer = g.AnimationTimer();
      const QPixmap first = g.Image1[0]->pixmap();
      EXPECT_EQ(first.devicePixelRatio(), g.devicePixelRatioF() > 1.0 ? 2.0 : 1.0);
      EXPECT_EQ(RunUntilQuit(timer->interval() + 200), 99);  // the greeting keeps the program on
      EXPECT_EQ(g.Frame(), 1);
      EXPECT_NE(g.Image1[0]->pixmap().toImage(), first.toImage());
      g.hide();
      EXPECT_FALSE(timer->isActive());
      g.show();
      EXPECT_TRUE(timer->isActive());
      // Pressed minutes later, after midnight even: still the welcome window's moment.
      platform.now = testing::AddMinutes(pressed, 4);
      g.move(300, 200);
      QPointer<Form6> gone(&g);
      QTest::keyClick(g.Command1, Qt::Key_Return);
      EXPECT_TRUE(gone && !timer->isActive());
      testing::FlushDeletes();
      EXPECT_FALSE(gone);
    }
    EXPECT_FALSE(module->Find<Form4>() || module->Find<Form6>());
    Settings done{
        .CigarettesPerDay = 25, .PackPrice = 450, .CigaretteLength = row.Length, .SetupDone = 1};
    done.SetQuitDate(pressed);  // the other options stay defaults
    done.MainLeft = 4500;       // from (300, 200)
    done.MainTop = 3000;
    EXPECT_EQ(Files(), std::pair(InitialFileBytes(done), OptionFileBytes(done)));
    ASSERT_TRUE(module->Find<Form1>());
    EXPECT_TRUE(module->Find<Form1>()->isVisible() && module->Find<Form1>()->Timer1->isActive());
    EXPECT_EQ(module->Find<Form1>()->pos(), QPoint(300, 200));
    EXPECT_EQ(RunUntilQuit(50), 99);  // each hand-over left a window behind
  }
}

// A finished first start opens the main window even where option.ini asks for the mini one.
TEST_F(FirstStart, FinishingOpensTheMainWindowWhateverWindowModeHolds) {
  WriteFiles([](Settings& s) {
    s.SetupDone = 0;
    s.WindowMode = window_mode::kMiniInUse;
  });
  Start({2024, 5, 1, 12, 0});
  PassSetup().Command1->click();
  testing::FlushDeletes();
  ASSERT_TRUE(module->Find<Form1>() && module->Find<Form7>());
  EXPECT_TRUE(Main().isVisible() && !Mini().isVisible());
}

// One message for any number of errors; the setup stays with what was typed.
TEST_F(FirstStart, BadEntriesKeepTheSetup) {
  StartAt({2024, 5, 1, 12, 0});
  Form3& setup = *module->Find<Form3>();
  for (const char* row : {"/", "0/300", "20/0", "201/300", "20/2001", "本/300", "３０/300"}) {
    SCOPED_TRACE(row);
    const QStringList typed = QString::fromUtf8(row).split('/');
    for (size_t i = 0; i < 2; ++i) {
      setup.Text1[i]->clear();
      QInputMethodEvent commit;  // as an input method puts in what a keyboard cannot type
      commit.setCommitString(typed[static_cast<qsizetype>(i)]);
      QApplication::sendEvent(setup.Text1[i], &commit);
    }
    platform.messages.clear();
    QTest::keyClick(&setup, Qt::Key_Return);
    EXPECT_EQ(platform.messages,
              QStringList{QStringLiteral("有効範囲内にある半角数字を入れてください")});
    ASSERT_TRUE(module->Find<Form3>() == &setup && setup.isVisible() && !module->Find<Form4>());
    EXPECT_EQ((QStringList{setup.Text1[0]->text(), setup.Text1[1]->text()}), typed);
    EXPECT_EQ(Files(), written);
  }
}

// Closing any first-start window ends the program unwritten; the next start asks. Declining with
// the welcome's two buttons is done on the real program.
TEST_F(FirstStart, AbandoningEndsTheProgramWithNothingWritten) {
  enum Leave { CloseSetup, CloseWelcome, CloseGreeting };
  for (Leave leave : {CloseSetup, CloseWelcome, CloseGreeting}) {
    SCOPED_TRACE(leave);
    StartAt({2024, 12, 25, 10, 0});
    EXPECT_FALSE(leave == CloseSetup && module->Find<Form3>()->close());  // unloaded, not closed
    if (leave != CloseSetup) {
      Form4& welcome = PassSetup();
      EXPECT_EQ((QStringList{welcome.Command2[0]->text(), welcome.Command2[1]->text()}),
                (QStringList{"もう少し考える", "また次の機会にする"}));
      EXPECT_FALSE(leave == CloseWelcome && welcome.close());
      if (leave == CloseGreeting) welcome.Command1->click();
      EXPECT_FALSE(leave == CloseGreeting && module->Find<Form6>()->close());
    }
    testing::FlushDeletes();
    EXPECT_FALSE(module->AnyWindowLoaded());
    EXPECT_EQ(Files(), written);
    EXPECT_EQ(RunUntilQuit(2000), 0);
    Start({2024, 12, 26, 9, 0});
    EXPECT_TRUE(module->Find<Form3>());
  }
}

}  // namespace
}  // namespace kemurina
