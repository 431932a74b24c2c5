// A session that ends under the program (log-off, a termination signal) closes
// it as the exit item does; a save that fails is told, never passed off as kept.
#include "tests/gui/program_test.h"

namespace kemurina {
namespace {

class SessionEndTest : public testing::ProgramTest {
 public:  // for the table rows' actions
  using ProgramTest::Main, ProgramTest::Mini, ProgramTest::module, ProgramTest::platform;

  void StartWithFiles() {
    std::filesystem::remove_all(base / "kemurinadata");
    std::filesystem::create_directory(base / "kemurinadata");
    WriteFiles();
    Start(platform.now);
  }
  // No files: start-up writes them and the setup dialog opens.
  void StartFirstTime() {
    std::filesystem::remove_all(base / "kemurinadata");
    Start(platform.now);
  }
  Form4* ToWelcome() {
    Form3* setup = module->Find<Form3>();
    setup->Text1[0]->setText(QStringLiteral("20"));
    setup->Text1[1]->setText(QStringLiteral("300"));
    setup->Command1->click();
    return module->Find<Form4>();
  }
  Form2* OpenSettings() {
    Main().Command1->click();
    return module->Find<Form2>();
  }
  bool NothingLeft() const {
    for (const testing::FakeTray* tray : platform.trays) {
      if (tray->shown) return false;
    }
    return !module->AnyWindowLoaded();
  }
};

// Whatever state the display windows are in, a session end writes option.ini as the exit item
// of the window in use would, and only once however often it is told. A moved main window and
// the mini window at its first switch are ended by real signals in the end-to-end scenarios.
TEST_F(SessionEndTest, ClosesAsTheExitItemOnce) {
  const std::pair<const char*, std::function<void(SessionEndTest&)>> states[] = {
      {"main moved into the tray",
       [](SessionEndTest& t) {
         t.Main().move(40, 500);
         t.Main().HideToTray();
       }},
      {"mini moved into the tray",
       [](SessionEndTest& t) {
         t.Main().SwitchToMini();
         t.Mini().move(500, 20);
         t.Mini().HideToTray();
       }},
  };
  for (const auto& [name, state] : states) {
    SCOPED_TRACE(name);
    StartWithFiles();
    state(*this);
    module->settings().WindowMode == 1 ? Mini().mnuExit->trigger() : Main().mnuExit->trigger();
    const auto byExitItem = Files();

    StartWithFiles();
    state(*this);
    platform.endSession();
    EXPECT_EQ(Files(), byExitItem);
    EXPECT_TRUE(NothingLeft() && platform.messages.isEmpty());
    test_support::WriteBytes(Data("option.ini"), "after the end");
    platform.endSession();  // a second signal, or the quit that follows the save request
    EXPECT_EQ(Read("option.ini"), "after the end");
  }
}

// With no display window loaded the files already hold what the last close wrote: the session
// end writes nothing (not the dialog's unsaved edits), opens nothing and ends.
TEST_F(SessionEndTest, OpenDialogsEndWithoutWriting) {
  const std::pair<const char*, std::function<void(SessionEndTest&)>> opens[] = {
      {"settings dialog, edited",
       [](SessionEndTest& t) {
         Form2* d = t.OpenSettings();
         d->Text2->setText(QStringLiteral("99"));
         t.platform.colorAnswers = {0x123456};
         d->Command3->click();
       }},
      {"notice in the dialog's place",
       [](SessionEndTest& t) { t.OpenSettings()->Command5->click(); }},
      {"setup", [](SessionEndTest& t) { t.StartFirstTime(); }},
      {"greeting",
       [](SessionEndTest& t) {
         t.platform.now = {2024, 12, 24, 20, 0};
         t.StartFirstTime();
         t.ToWelcome()->Command1->click();
       }},
  };
  for (const auto& [name, open] : opens) {
    SCOPED_TRACE(name);
    platform.now = {2024, 5, 1, 12, 0};
    StartWithFiles();
    open(*this);
    const auto before = Files();
    platform.endSession();
    EXPECT_EQ(Files(), before);
    EXPECT_TRUE(NothingLeft() && platform.messages.isEmpty());
  }
}

// A first start, a close or a session end that cannot write: the first start says so and
// stays for another try, a close says so once when it is over, a session end never holds up
// the log-off with a box.
TEST_F(SessionEndTest, FailedSavesAreTold) {
  enum Left { Nothing, Welcome, Greeting };
  struct Row {
    const char* name;
    std::function<void(SessionEndTest&)> act;
    int told;
    Left left;
  };
  const Row rows[] = {
      {"start button", [](SessionEndTest& t) { t.module->Find<Form4>()->Command1->click(); }, 1,
       Welcome},
      {"greeting's start button",
       [](SessionEndTest& t) { t.module->Find<Form6>()->Command1->click(); }, 1, Greeting},
      {"exit item", [](SessionEndTest& t) { t.Main().mnuExit->trigger(); }, 1, Nothing},
      {"session end", [](SessionEndTest& t) { t.platform.endSession(); }, 0, Nothing},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    platform.messages.clear();
    if (row.left == Nothing) {
      platform.now = {2024, 5, 1, 12, 0};
      StartWithFiles();
    } else {
      platform.now =
          row.left == Greeting ? LocalTime{2025, 1, 2, 8, 0} : LocalTime{2024, 5, 1, 12, 0};
      StartFirstTime();
      ToWelcome();
      if (row.left == Greeting) module->Find<Form4>()->Command1->click();
    }
    BreakDataFolder();
    row.act(*this);
    QTest::qWait(10);  // the close is told once the last window has gone
    EXPECT_EQ(platform.messages, QStringList(row.told, SaveFailed()));
    EXPECT_EQ(module->Find<Form1>(), nullptr);
    EXPECT_EQ(module->settings().SetupDone, row.left == Nothing ? 1 : 0);
    QWidget* stays = row.left == Welcome    ? static_cast<QWidget*>(module->Find<Form4>())
                     : row.left == Greeting ? module->Find<Form6>()
                                            : nullptr;
    EXPECT_EQ(stays != nullptr && stays->isVisible(), row.left != Nothing);
    EXPECT_EQ(module->AnyWindowLoaded(), row.left != Nothing);
  }
}

}  // namespace
}  // namespace kemurina
