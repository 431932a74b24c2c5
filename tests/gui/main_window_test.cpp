#include <QContextMenuEvent>

#include "tests/gui/program_test.h"

namespace kemurina {
namespace {

class MainWindow : public testing::ProgramTest {
 protected:
  void StartOnDay1(const std::function<void(Settings&)>& adjust = {}) {
    WriteFiles(adjust);
    Start({2024, 5, 2, 12, 0});
  }
  std::string Caption(int i) { return Main().Label2[static_cast<size_t>(i)]->text().toStdString(); }
};

TEST_F(MainWindow, RefreshWritesFiguresDucksAndBar) {
  WriteFiles();
  // The ducks of each stage have their own table below.
  auto refresh = [&](const LocalTime& now) {
    Start(now);
    return Caption(0) + '|' + Caption(3) + '|' + Caption(5) + '|' +
           std::to_string(Main().ProgressBar1->value()) + '|' +
           QString::number(Main().LungFill(), 16).toStdString();
  };
  EXPECT_EQ(refresh({2024, 5, 13, 15, 4}),
            "０年０ヶ月１２日３時間４分|中尉|リラックス、リラックス。 "
            "ひとやすみ、ひとやすみ。|3|7d");
  EXPECT_FALSE(Mini().isVisible());
  EXPECT_EQ(refresh({2024, 6, 16, 12, 0}),
            "０年１ヶ月１５日０時間０分|大将|ケムリナから１ヶ月経過しました。おめでとうございます|"
            "0|8c8cff");
  EXPECT_EQ(Main().windowTitle(), QStringLiteral(" ケムリナ式 - hakkaro"));
  EXPECT_TRUE(Mini().Label1->text().startsWith(QStringLiteral("ステータス： 大将\n")));
}

// A duck every 11 days; from the third on, the stage's three sit where the bar was, which goes.
TEST_F(MainWindow, EachStageShowsItsDucks) {
  WriteFiles();
  const std::pair<int, const char*> stages[] = {
      {0, "------|0"},       {13, "^-----|6"},      {24, "^-^---|6"},     {35, "vvv---|hidden"},
      {46, "-vvv--|hidden"}, {57, "-v-v-v|hidden"}, {70, "---vvv|hidden"}};
  for (const auto& [day, expected] : stages) {
    Start(testing::AddMinutes({2024, 5, 1, 12, 0}, day * 1440LL));
    std::string shown;
    for (QLabel* d : {Main().Image1(10), Main().Image1(11), Main().Image1(12), Main().Image3(0),
                      Main().Image3(1), Main().Image3(2)})
      shown += d->isHidden() ? '-' : d->y() == 2850 / 15 ? 'v' : '^';
    const QProgressBar* bar = Main().ProgressBar1;
    EXPECT_EQ(shown + '|' + (bar->isHidden() ? "hidden" : std::to_string(bar->value())), expected)
        << day;
  }
}

TEST_F(MainWindow, DayFormLastsUntilTheNextTick) {
  WriteFiles();
  Start({2024, 6, 3, 14, 5});
  QTest::mouseClick(Main().Label2[0], Qt::LeftButton);
  EXPECT_EQ(Caption(0), "３３日２時間５分");
  // Both summaries carry the form that is shown.
  module->CopyFullSummary();
  EXPECT_TRUE(platform.clipboard.contains(QStringLiteral("ケムリナからの日数： 33日 2時間 5分")));
  module->CopyShortSummary();
  EXPECT_TRUE(
      platform.clipboard.contains(QStringLiteral("ケムリナ。３３日２時間５分経過しました。")));
  QTest::mouseClick(Main().Label2[0], Qt::LeftButton);
  EXPECT_EQ(Caption(0), "０年１ヶ月２日２時間５分");
  QTest::mouseClick(Main().Label2[0], Qt::LeftButton);
  QTest::mouseClick(Main().Label2[3], Qt::LeftButton);  // other labels change nothing
  // The tick writes the calendar form again; the mini window shows the day form this once.
  module->RefreshAll();
  EXPECT_EQ(Caption(0), "０年１ヶ月２日２時間５分");
  EXPECT_EQ(module->DayFormToggle, 0);
  EXPECT_TRUE(
      Mini().Label1->text().contains(QStringLiteral("ケムリナからの日数： 33日 2時間 5分")));
}

TEST_F(MainWindow, CopyVersionAndWebPageCommands) {
  StartOnDay1([](Settings& s) {
    s.CopyPlusMode = 1;
    s.BbsUrl = "http://example.com/board/";
  });
  const QString full = QStringLiteral(
      "ステータス： １等兵\r\n"
      "ケムリナ日： 2024年 5月 1日（20本-300円-中）\r\n"
      "ケムリナからの日数： 0年 0ヶ月 1日 0時間 0分\r\n"
      "延びた寿命： 0日と1時間50分\r\n"
      "節約できた金額： 300円（節税分 258円）\r\n"
      "節煙本数： 1箱 1.7ｍ シーラカンス");
  const QString brief = QStringLiteral(
      "２０２４年５月１日にケムリナ。それまで１日２０本吸っていました。"
      "０年０ヶ月１日０時間０分経過しました。節約できた金額は３００円です。"
      "節煙本数は２０本で、これは１．７ｍのシーラカンスに匹敵します。ステータスは１等兵。");
  QTest::mouseClick(Main().Command3, Qt::LeftButton);
  EXPECT_EQ(platform.clipboard, full);
  QTest::mouseClick(Main().Command4, Qt::LeftButton);
  EXPECT_EQ(platform.clipboard, brief);
  // Both windows' copy items, the main window hidden, are used on the real program.
  Main().SwitchToMini();

  Mini().mnuVer->trigger();
  EXPECT_EQ(platform.messages, QStringList{QStringLiteral("　ケムリナ式バージョン１．２０　\r\n\r\n"
                                                          "　- hakkaro -\r\n"
                                                          "　http://www.example.com/kemurina/")});
  // The stored address is used as it is, so a scheme in it is doubled.
  platform.openUrlSucceeds = false;
  Mini().SwitchToMain();
  QTest::mouseClick(Main().Command2, Qt::LeftButton);
  EXPECT_EQ(platform.openedUrls.last(), QStringLiteral("http://http://example.com/board/"));
  EXPECT_EQ(platform.messages.last(),
            QStringLiteral("エラーです。フォルダオプションの関連付けなどを確認してください"));
  platform.openUrlSucceeds = true;
  Main().mnuBlog->trigger();
  EXPECT_EQ(platform.messages.size(), 2);
}

// Start-up and the settings dialog's return bring up both windows with one refresh, none nested.
TEST_F(MainWindow, EachWayUpRefreshesOnce) {
  for (const int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    WriteFiles([&](Settings& s) { s.WindowMode = mode; });
    platform.seedReads = 0;
    Start({2024, 5, 2, 12, 0});
    EXPECT_EQ(platform.seedReads, 1);
    EXPECT_EQ(std::pair(Main().isVisible(), Mini().isVisible()), std::pair(mode == 0, mode == 1));
    mode == 1 ? Mini().mnuSettei->trigger() : Main().mnuSettei->trigger();
    module->Find<Form2>()->Command2->click();
    EXPECT_EQ(platform.seedReads, 2);
    EXPECT_EQ(std::pair(Main().isVisible(), Mini().isVisible()), std::pair(mode == 0, mode == 1));
  }
}

TEST_F(MainWindow, StoredCornersAreBroughtBackOntoTheScreen) {
  // Twips on a 15360 x 11520 screen; the main window keeps 5000 x 3000 on it, the mini 3500 x 1500.
  auto place = [&](bool mini, int left, int top) {
    WriteFiles([&](Settings& s) {
      s.WindowMode = mini ? 1 : 0;
      (mini ? s.MiniLeft : s.MainLeft) = left;
      (mini ? s.MiniTop : s.MainTop) = top;
    });
    const Settings& s = Start({2024, 5, 2, 12, 0}).settings();
    const QPoint p = mini ? Mini().pos() : Main().pos();
    return std::vector{mini ? s.MiniLeft : s.MainLeft, mini ? s.MiniTop : s.MainTop, p.x(), p.y()};
  };
  EXPECT_EQ(place(false, 20000, 100), std::vector({7680, 5760, 512, 384}));  // too far right
  EXPECT_EQ(place(false, -300, 9000), std::vector({7680, 5760, 512, 384}));  // too far down
  EXPECT_EQ(place(false, -300, 450), std::vector({0, 450, 0, 30}));
  EXPECT_EQ(place(true, 14000, 10), std::vector({7680, 5760, 512, 384}));
  EXPECT_EQ(place(true, 900, -200), std::vector({900, 0, 60, 0}));
}

TEST_F(MainWindow, MiniSwitchIsRememberedAndClosingSavesBothCorners) {
  StartOnDay1([](Settings& s) { s.MiniLeft = s.MiniTop = 6000; });
  EXPECT_EQ(Mini().windowTitle(), QStringLiteral(" ケムリナ式 mini mode"));
  auto saved = [&] {
    const Settings s = OnDisk();
    return std::vector{s.WindowMode, s.MainLeft, s.MainTop, s.MiniLeft, s.MiniTop};
  };
  Main().mnuMini->trigger();  // the first switch puts the mini window at the main window's corner
  EXPECT_TRUE(!Main().isVisible() && Mini().isVisible());
  EXPECT_EQ(Mini().pos(), QPoint(100, 80));
  Mini().mnuSt->trigger();
  EXPECT_TRUE(Main().isVisible() && !Mini().isVisible());
  Mini().move(300, 50);  // later switches keep the mini window's own place
  Main().SwitchToMini();
  EXPECT_EQ(Mini().pos(), QPoint(300, 50));
  Mini().mnuExit->trigger();
  EXPECT_EQ(saved(), std::vector({1, 1500, 1200, 4500, 750}));

  Start({2024, 5, 2, 12, 30});
  EXPECT_TRUE(!Main().isVisible() && Mini().isVisible());
  EXPECT_EQ(Mini().pos(), QPoint(300, 50));
  // The hidden main window's timer keeps the mini text current.
  platform.now = {2024, 5, 2, 13, 0};
  Main().Timer1->setInterval(1);
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return Mini().Label1->text().contains(QStringLiteral("1日 1時間 0分")); }));
  Mini().mnuSt->trigger();  // closed while minimized, the main window saves its normal corner
  Main().move(200, 100);
  Main().showMinimized();
  Main().mnuExit->trigger();
  EXPECT_FALSE(module->Find<Form1>() || module->Find<Form7>() || module->AnyWindowLoaded());
  EXPECT_EQ(saved(), std::vector({0, 3000, 1500, 4500, 750}));
  for (testing::FakeTray* tray : platform.trays) EXPECT_FALSE(tray->IsShown());
}

// Where the window system keeps window places to itself (Wayland), a stored corner is never
// replaced by a made-up one: not by either window's close, nor by the settings dialog's save.
TEST_F(MainWindow, UnknownWindowPlacesKeepTheStoredCorners) {
  platform.positionsReliable = false;
  StartOnDay1([](Settings& s) { s.MiniLeft = 900, s.MiniTop = 600; });
  Main().move(200, 100);
  Main().SwitchToMini();
  Mini().move(300, 50);
  Mini().mnuSettei->trigger();
  const Settings closed = OnDisk();
  EXPECT_EQ(std::vector({closed.MainLeft, closed.MainTop, closed.MiniLeft, closed.MiniTop}),
            std::vector({1500, 1200, 900, 600}));
  module->Find<Form2>()->move(400, 300);
  module->Find<Form2>()->Command1->click();
  EXPECT_EQ(Mini().pos(), QPoint(60, 40));  // stored corners are still placed as before
  Mini().mnuExit->trigger();
  const Settings s = OnDisk();
  EXPECT_EQ(std::vector({s.WindowMode, s.MainLeft, s.MainTop, s.MiniLeft, s.MiniTop}),
            std::vector({1, 1500, 1200, 900, 600}));
}

// That the window stays where there is no notification area is shown on the real program, whose
// platform answers whether there is one.
TEST_F(MainWindow, HideToTrayAndRestoreWithAClick) {
  StartOnDay1();
  // A double click on a value label, a caption or the bar leaves the window alone.
  for (QWidget* w : QWidgetList{Main().Label2[2], Main().Label1[19], Main().ProgressBar1}) {
    QTest::mouseDClick(w, Qt::LeftButton);
  }
  EXPECT_TRUE(Main().isVisible());
  QTest::mouseDClick(&Main(), Qt::LeftButton, {}, QPoint(300, 80));  // beside the lungs
  auto* tray = static_cast<testing::FakeTray*>(Main().Tray());
  EXPECT_TRUE(!Main().isVisible() && tray->IsShown());
  EXPECT_EQ(tray->tip, QStringLiteral("ケムリナ式"));
  tray->onRestore();
  EXPECT_TRUE(Main().isVisible() && !tray->IsShown() && Main().Timer1->isActive());
  // The mini window has its own icon and comes back itself.
  Main().SwitchToMini();
  QTest::mouseDClick(Mini().Label1, Qt::LeftButton);
  EXPECT_FALSE(Mini().isVisible());
  static_cast<testing::FakeTray*>(Mini().Tray())->onRestore();
  EXPECT_TRUE(Mini().isVisible() && !Main().isVisible());
}

TEST_F(MainWindow, RightClickOpensTheMenuOnlyOnTheWindowItself) {
  StartOnDay1();
  // Buttons leave the right button to the window; it must not count there.
  for (QWidget* w : QWidgetList{Main().Label2[1], Main().Command1, Main().Command2, Main().Command3,
                                Main().Command4, Main().ProgressBar1}) {
    QTest::mousePress(w, Qt::RightButton);
    QTest::mouseRelease(w, Qt::RightButton);
    QTest::mouseDClick(w, Qt::RightButton);
    // The window system follows the press with a context menu event.
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(w, &menu);
    EXPECT_TRUE(!Main().mnuPopup->isVisible() && Main().isVisible())
        << w->metaObject()->className();
  }
  QTest::mousePress(&Main(), Qt::RightButton, {}, QPoint(300, 80));
  EXPECT_TRUE(Main().mnuPopup->isVisible());
  Main().mnuPopup->hide();
}

// Told once, day 0 from now instead of the two thousand years of an empty record, file left alone.
TEST_F(MainWindow, DamagedInitialFileShowsDayZeroAndIsToldOnce) {
  WriteFiles();
  const std::string damaged = "2024,2,30,12,0,20,300,85\r\n";
  std::ofstream(Data("initial.ini"), std::ios::binary) << damaged;
  Start({2024, 5, 2, 12, 0});
  EXPECT_EQ(platform.messages, QStringList{QString::fromUtf8(kUnreadableInitialMessage)});
  EXPECT_EQ(Caption(0) + '|' + Caption(3), "０年０ヶ月０日０時間０分|２等兵");
  // The settings dialog starts from the stand-in moment; coming back does not tell again.
  Main().Command1->click();
  EXPECT_EQ(QStringList(
                {module->Find<Form2>()->Text1[0]->text(), module->Find<Form2>()->Text1[1]->text()}),
            QStringList({"2024", "5"}));
  module->Find<Form2>()->Command2->click();
  EXPECT_EQ(platform.messages.size(), 1);
  EXPECT_EQ(Caption(0), "０年０ヶ月０日０時間０分");
  Main().mnuExit->trigger();
  EXPECT_EQ(Read("initial.ini"), damaged);
}

// Refused by whichever window loads first, before it shows or saves anything.
TEST_F(MainWindow, SecondCopyIsRefusedBeforeAnyWindow) {
  platform.anotherCopyRuns = true;
  WriteFiles();
  for (const bool setupDone : {true, false}) {
    SCOPED_TRACE(setupDone);
    if (!setupDone) std::filesystem::remove_all(base / "kemurinadata");
    const std::string before = Read("option.ini");
    platform.messages.clear();
    Start({2024, 5, 2, 12, 0});
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("プログラムは既に起動されています。")});
    EXPECT_TRUE(platform.endRequests == (setupDone ? 1 : 2) && module->Ended() &&
                !module->AnyWindowLoaded());
    EXPECT_TRUE(!setupDone || Read("option.ini") == before);
  }
}

}  // namespace
}  // namespace kemurina
