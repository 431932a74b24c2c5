#include <gtest/gtest.h>
#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "dialogs/form3.h"
#include "dialogs/form4.h"
#include "dialogs/form6.h"
#include "startup/settings_file.h"
#include "tests/gui/data_folder.h"
#include "tests/gui/fake_platform.h"
#include "windows/form1.h"
#include "windows/module.h"

namespace kemurina {
namespace {

using testing::DataFolder;
using testing::FakePlatform;

// Types into a box; text the test keyboard cannot type is put in as an input
// method would, within the box's length limit all the same.
void Type(QLineEdit* box, const QString& text) {
  bool ascii = true;
  for (QChar c : text) ascii = ascii && c.unicode() < 0x80;
  if (ascii) {
    QTest::keyClicks(box, text);
  } else {
    box->insert(text);
  }
}

void FlushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Runs the event loop until the program ends (0) or the time is up (99).
int RunUntilQuit(int milliseconds) {
  QTimer timeUp;
  timeUp.setSingleShot(true);
  QObject::connect(&timeUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  timeUp.start(milliseconds);
  return QCoreApplication::exec();
}

// Every label shows its whole text, in every window of the first start and on
// every greeting day; a label that had to grow keeps its middle or its left.
void ExpectWholeTexts(const QWidget& window) {
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    EXPECT_GE(label->x(), 0) << label->text().toStdString();
    EXPECT_LE(label->geometry().right(), window.width()) << label->text().toStdString();
  }
}

class FirstStart : public ::testing::Test {
 protected:
  // A first start in an empty working folder: start-up writes both files
  // with the setup not yet done and opens the setup window.
  void Start(const LocalTime& now) {
    platform.now = now;
    module = std::make_unique<Module>(platform, folder.Base());
    module->Open(RunStartup(folder.Base(), now, module->settings()));
    initialBefore = folder.Read("initial.ini");
    optionBefore = folder.Read("option.ini");
  }

  void TearDown() override {
    FlushDeletes();
    module.reset();
  }

  // Fills the setup window and presses Enter in the price box.
  Form4& PassSetup(const char* perDay = "25", const char* price = "450", int size = 2) {
    Form3* setup = module->form3();
    EXPECT_TRUE(setup && setup->isVisible());
    Type(setup->Text1[0], QString::fromUtf8(perDay));
    Type(setup->Text1[1], QString::fromUtf8(price));
    setup->Option1[static_cast<size_t>(size)]->click();
    QTest::keyClick(setup->Text1[1], Qt::Key_Return);
    FlushDeletes();
    EXPECT_FALSE(module->form3());
    Form4* welcome = module->form4();
    EXPECT_TRUE(welcome && welcome->isVisible());
    return *welcome;
  }

  void ExpectNothingWritten() {
    EXPECT_EQ(folder.Read("initial.ini"), initialBefore);
    EXPECT_EQ(folder.Read("option.ini"), optionBefore);
  }

  // What both files must hold once the first start is finished.
  void ExpectFinished(const LocalTime& quit, int left, int top) {
    Settings expected;
    expected.SetQuitDate(quit);
    expected.CigarettesPerDay = 25;
    expected.PackPrice = 450;
    expected.CigaretteLength = 100;
    ApplyOptionDefaults(expected);
    expected.SetupDone = 1;
    expected.MainLeft = left;
    expected.MainTop = top;
    EXPECT_EQ(folder.Read("initial.ini"), InitialFileBytes(expected));
    EXPECT_EQ(folder.Read("option.ini"), OptionFileBytes(expected));
  }

  DataFolder folder;
  FakePlatform platform;
  std::unique_ptr<Module> module;
  std::string initialBefore;
  std::string optionBefore;
};

TEST_F(FirstStart, SetupThenWelcomeOpensTheMainWindowAndWritesBothFiles) {
  Start({2024, 5, 1, 12, 0});
  ASSERT_TRUE(module->form3());
  Form3& setup = *module->form3();
  EXPECT_EQ(setup.windowTitle(), QStringLiteral(" ケムリナ式初期設定 - hakkaro"));
  EXPECT_TRUE(setup.Option1[1]->isChecked());
  EXPECT_FALSE(module->form1());
  EXPECT_EQ(setup.size(), QSize(361, 242));
  EXPECT_EQ(setup.pos(), QPoint((1024 - 361) / 2, (768 - 242) / 2));

  Form4& welcome = PassSetup();
  ExpectNothingWritten();  // the figures wait in memory for the start button
  EXPECT_EQ(welcome.windowTitle(), QString::fromUtf8(" ( \u30fb\u25c7\u30fb)  - hakkaro"));

  welcome.move(300, 200);
  platform.now = {2024, 5, 1, 12, 7};
  QTest::keyClick(&welcome, Qt::Key_Enter);
  FlushDeletes();
  EXPECT_FALSE(module->form4());
  ExpectFinished({2024, 5, 1, 12, 7}, 4500, 3000);
  ASSERT_TRUE(module->form1());
  EXPECT_TRUE(module->form1()->isVisible());
  EXPECT_EQ(module->form1()->pos(), QPoint(300, 200));
  EXPECT_TRUE(module->form1()->Timer1->isActive());
  // Each hand-over left a window behind, so the program goes on.
  EXPECT_EQ(RunUntilQuit(50), 99);
}

TEST_F(FirstStart, TheStartButtonAndEnterAnywhereDoTheSame) {
  Start({2024, 5, 1, 12, 0});
  Form3& setup = *module->form3();
  QTest::keyClicks(setup.Text1[0], QStringLiteral("20"));
  QTest::keyClicks(setup.Text1[1], QStringLiteral("300"));
  setup.Option1[0]->click();
  QTest::keyClick(setup.Option1[0], Qt::Key_Return);  // focus on a size button
  FlushDeletes();
  ASSERT_TRUE(module->form4());
  EXPECT_EQ(module->settings().CigaretteLength, 50);
  module->form4()->Command1->click();
  FlushDeletes();
  EXPECT_TRUE(module->form1());
  Settings saved;
  ASSERT_TRUE(LoadInitial(folder.Data("initial.ini"), saved));
  EXPECT_EQ(saved.CigaretteLength, 50);
  EXPECT_EQ(saved.PackPrice, 300);
}

TEST_F(FirstStart, AHeldEnterKeyDoesNotRunOnIntoTheWelcome) {
  Start({2024, 5, 1, 12, 0});
  Form4& welcome = PassSetup();
  // The repeats of the Enter that was still held down from the setup window.
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(welcome.Command1, &held);
  QApplication::sendEvent(&welcome, &held);
  FlushDeletes();
  EXPECT_EQ(module->form4(), &welcome);
  EXPECT_FALSE(module->form1());
  ExpectNothingWritten();
  QTest::keyClick(welcome.Command1, Qt::Key_Return);
  FlushDeletes();
  EXPECT_TRUE(module->form1());
}

TEST_F(FirstStart, ASecondCopyIsRefusedWhenTheSetupLoads) {
  platform.anotherCopyRuns = true;
  Start({2024, 5, 1, 12, 0});
  EXPECT_EQ(platform.messages, QStringList{QStringLiteral("プログラムは既に起動されています。")});
  EXPECT_EQ(platform.endRequests, 1);
  EXPECT_TRUE(module->Ended());
  EXPECT_FALSE(module->form3());
  EXPECT_FALSE(module->AnyWindowLoaded());
  ExpectNothingWritten();
}

struct BadEntry {
  const char* PerDay;
  const char* Price;
};

class BadSetup : public FirstStart, public ::testing::WithParamInterface<BadEntry> {};

TEST_P(BadSetup, OneMessageAndTheSetupStaysWithWhatWasTyped) {
  Start({2024, 5, 1, 12, 0});
  Form3& setup = *module->form3();
  const Settings before = module->settings();
  Type(setup.Text1[0], QString::fromUtf8(GetParam().PerDay));
  Type(setup.Text1[1], QString::fromUtf8(GetParam().Price));
  const QString typed0 = setup.Text1[0]->text();
  const QString typed1 = setup.Text1[1]->text();
  QTest::keyClick(&setup, Qt::Key_Return);
  EXPECT_EQ(platform.messages,
            QStringList{QStringLiteral("有効範囲内にある半角数字を入れてください")});
  ASSERT_EQ(module->form3(), &setup);
  EXPECT_TRUE(setup.isVisible());
  EXPECT_EQ(setup.Text1[0]->text(), typed0);
  EXPECT_EQ(setup.Text1[1]->text(), typed1);
  EXPECT_FALSE(module->form4());
  EXPECT_EQ(module->settings(), before);
  ExpectNothingWritten();
}

INSTANTIATE_TEST_SUITE_P(Entries, BadSetup,
                         ::testing::Values(BadEntry{"", ""}, BadEntry{"0", "300"},
                                           BadEntry{"20", "0"}, BadEntry{"201", "300"},
                                           BadEntry{"20", "2001"}, BadEntry{"本", "300"},
                                           BadEntry{"３０", "300"}));

TEST_F(FirstStart, TheBoxesTakeThreeAndFourCharacters) {
  Start({2024, 5, 1, 12, 0});
  Form3& setup = *module->form3();
  QTest::keyClicks(setup.Text1[0], QStringLiteral("12345"));
  QTest::keyClicks(setup.Text1[1], QStringLiteral("123456"));
  EXPECT_EQ(setup.Text1[0]->text(), QStringLiteral("123"));
  EXPECT_EQ(setup.Text1[1]->text(), QStringLiteral("1234"));
}

TEST_F(FirstStart, ChristmasEveGreetingKeepsTheMomentStampedBeforeMidnight) {
  Start({2024, 12, 24, 23, 58});
  Form4& welcome = PassSetup();
  platform.now = {2024, 12, 24, 23, 59};
  welcome.Command1->click();
  FlushDeletes();
  EXPECT_FALSE(module->form4());
  EXPECT_FALSE(module->form1());
  ExpectNothingWritten();
  ASSERT_TRUE(module->form6());
  Form6& greeting = *module->form6();
  EXPECT_TRUE(greeting.isVisible());
  EXPECT_EQ(greeting.Label1->text(), QStringLiteral("クリスマスイブ限定スペシャルメッセージ"));
  EXPECT_EQ(greeting.Label2->text(), QString());
  EXPECT_EQ(greeting.Label3[0]->text(), QStringLiteral("聖なる日のケムリナが"));
  EXPECT_EQ(greeting.Label3[1]->text(), QStringLiteral("成功しますように！"));
  EXPECT_EQ(RunUntilQuit(50), 99);  // the greeting keeps the program going

  // Pressed after midnight: still the moment of the welcome window.
  platform.now = {2024, 12, 25, 0, 3};
  greeting.move(120, 90);
  QPointer<Form6> gone(&greeting);
  QTest::keyClick(greeting.Command1, Qt::Key_Return);
  ASSERT_TRUE(gone);
  EXPECT_FALSE(gone->AnimationTimer()->isActive());
  FlushDeletes();
  EXPECT_FALSE(gone);
  EXPECT_FALSE(module->form6());
  ExpectFinished({2024, 12, 24, 23, 59}, 1800, 1350);
  ASSERT_TRUE(module->form1());
  EXPECT_TRUE(module->form1()->isVisible());
  EXPECT_EQ(module->form1()->pos(), QPoint(120, 90));
}

struct GreetingCase {
  LocalTime Now;
  const char* Caption;
  std::array<bool, 3> Pictures;
};

class Greeting : public FirstStart, public ::testing::WithParamInterface<GreetingCase> {};

TEST_P(Greeting, ShowsTheDaysTextsAndPictures) {
  Start(GetParam().Now);
  PassSetup().Command1->click();
  FlushDeletes();
  ASSERT_TRUE(module->form6());
  const Form6& greeting = *module->form6();
  EXPECT_EQ(greeting.windowTitle(), QString::fromUtf8(GetParam().Caption));
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(!greeting.Image1[i]->isHidden(), GetParam().Pictures[i]) << "picture " << i;
  }
  ExpectWholeTexts(greeting);
  ExpectNothingWritten();
}

INSTANTIATE_TEST_SUITE_P(
    Days, Greeting,
    ::testing::Values(
        GreetingCase{{2024, 12, 24, 9, 0}, "クリスマスイブ - hkrsoft", {false, true, false}},
        GreetingCase{{2024, 12, 25, 0, 0}, "メリークリスマス - hkrsoft", {true, false, true}},
        GreetingCase{{2025, 1, 1, 0, 0}, "謹賀新年 - hkrsoft", {false, false, false}},
        GreetingCase{{2025, 1, 3, 23, 59}, "謹賀新年 - hkrsoft", {false, false, false}}));

// The greetings' labels are checked per day by the table above.
TEST_F(FirstStart, NoTextIsCutOffAndNewYearMovesItsTwoLines) {
  Start({2025, 1, 2, 8, 0});
  ExpectWholeTexts(*module->form3());
  Form4& welcome = PassSetup();
  ExpectWholeTexts(welcome);
  welcome.Command1->click();
  FlushDeletes();
  ASSERT_TRUE(module->form6());
  const Form6& greeting = *module->form6();
  EXPECT_EQ(greeting.Label1->text(), QStringLiteral("お正月限定スペシャルメッセージ"));
  EXPECT_EQ(greeting.Label2->text(), QStringLiteral("あけましておめでとうございます"));
  EXPECT_EQ(greeting.Label3[0]->text(), QString());
  EXPECT_EQ(greeting.Label3[1]->text(), QStringLiteral("貴方のケムリナが成功しますように！"));
  EXPECT_EQ(greeting.Label2->y(), 1200 / 15);
  EXPECT_EQ(greeting.Label3[1]->y(), 1800 / 15);
  EXPECT_EQ(greeting.Label3[0]->y(), 1560 / 15);
  const QLabel* longest = greeting.Label3[1];
  const int middle = longest->x() + longest->width() / 2;
  EXPECT_NEAR(middle, (480 + 4575 / 2) / 15, 2);
}

class NoGreeting : public FirstStart, public ::testing::WithParamInterface<LocalTime> {};

TEST_P(NoGreeting, TheDaysAroundGoStraightToTheMainWindow) {
  Start(GetParam());
  Form4& welcome = PassSetup();
  welcome.move(60, 45);
  welcome.Command1->click();
  FlushDeletes();
  EXPECT_FALSE(module->form6());
  ASSERT_TRUE(module->form1());
  EXPECT_TRUE(module->form1()->isVisible());
  ExpectFinished(GetParam(), 900, 675);
}

INSTANTIATE_TEST_SUITE_P(Days, NoGreeting,
                         ::testing::Values(LocalTime{2024, 12, 23, 23, 59},
                                           LocalTime{2024, 12, 26, 0, 0},
                                           LocalTime{2025, 1, 4, 0, 0}));

TEST_F(FirstStart, TheChickMovesOnlyWhileTheGreetingIsOnScreen) {
  Start({2024, 12, 25, 10, 0});
  PassSetup().Command1->click();
  FlushDeletes();
  ASSERT_TRUE(module->form6());
  Form6& greeting = *module->form6();
  const QTimer* timer = greeting.AnimationTimer();
  EXPECT_TRUE(timer->isActive());
  EXPECT_GE(timer->interval(), 400);
  EXPECT_LE(timer->interval(), 500);

  const QPixmap first = greeting.Image1[0]->pixmap();
  ASSERT_FALSE(first.isNull());
  // Drawn for the screen's density: a ratio-2 screen gets the double-size frame.
  EXPECT_EQ(first.devicePixelRatio(), greeting.devicePixelRatioF() > 1.0 ? 2.0 : 1.0);
  QTest::qWait(timer->interval() + 200);
  EXPECT_EQ(greeting.Frame(), 1);
  EXPECT_NE(greeting.Image1[0]->pixmap().toImage(), first.toImage());
  EXPECT_EQ(greeting.Image1[2]->pixmap().toImage(), greeting.Image1[0]->pixmap().toImage());

  greeting.hide();
  EXPECT_FALSE(timer->isActive());
  greeting.show();
  EXPECT_TRUE(timer->isActive());
}

// Declining in the welcome window, or closing any window of the first start
// through its frame, ends the program with nothing written and no window
// left; the next start asks again.
enum class Leave { CloseSetup, CloseWelcome, ThinkMore, NextTime, CloseGreeting };

class Abandon : public FirstStart, public ::testing::WithParamInterface<Leave> {};

TEST_P(Abandon, EndsTheProgramWithNothingWritten) {
  Start({2024, 12, 25, 10, 0});
  const Leave leave = GetParam();
  if (leave == Leave::CloseSetup) {
    EXPECT_FALSE(module->form3()->close());  // the unload takes it down instead
  } else {
    Form4& welcome = PassSetup();
    EXPECT_EQ(welcome.Command2[0]->text(), QStringLiteral("もう少し考える"));
    EXPECT_EQ(welcome.Command2[1]->text(), QStringLiteral("また次の機会にする"));
    if (leave == Leave::CloseWelcome) {
      EXPECT_FALSE(welcome.close());
    }
    if (leave == Leave::ThinkMore) welcome.Command2[0]->click();
    if (leave == Leave::NextTime) welcome.Command2[1]->click();
    if (leave == Leave::CloseGreeting) {
      welcome.Command1->click();
      FlushDeletes();
      ASSERT_TRUE(module->form6());
      EXPECT_FALSE(module->form6()->close());
    }
  }
  FlushDeletes();
  EXPECT_FALSE(module->AnyWindowLoaded());
  EXPECT_FALSE(module->form1());
  ExpectNothingWritten();
  EXPECT_EQ(RunUntilQuit(2000), 0);

  module.reset();
  Start({2024, 12, 26, 9, 0});
  EXPECT_TRUE(module->form3());
}

INSTANTIATE_TEST_SUITE_P(Ways, Abandon,
                         ::testing::Values(Leave::CloseSetup, Leave::CloseWelcome, Leave::ThinkMore,
                                           Leave::NextTime, Leave::CloseGreeting));

}  // namespace
}  // namespace kemurina
