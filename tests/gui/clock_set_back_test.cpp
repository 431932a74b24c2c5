#include <gtest/gtest.h>
#include <QApplication>
#include <QRegularExpression>

#include "startup/settings_file.h"
#include "tests/gui/clock_steps.h"
#include "tests/gui/data_folder.h"
#include "tests/gui/fake_platform.h"
#include "windows/form1.h"
#include "windows/form7.h"
#include "windows/module.h"

namespace kemurina {
namespace {

using testing::AddMinutes;
using testing::DataFolder;
using testing::FakePlatform;

// Text a broken figure would show: not-a-number, infinity, or a number that
// ran past 32 bits.
const QRegularExpression kBrokenFigure(QStringLiteral("nan|inf|2147483648|-2147483648"),
                                       QRegularExpression::CaseInsensitiveOption);

// The clock set back while the program runs, to before the quit moment (a
// wrong clock corrected, a dead battery, a time zone slip): the windows keep
// showing figures, never nonsense, and come back when the clock does.
TEST(ClockSetBack, BeforeTheQuitMomentNothingBreaks) {
  DataFolder folder;
  FakePlatform platform;
  Settings s;
  const LocalTime quit{2024, 5, 1, 12, 0};
  s.SetQuitDate(quit);
  s.SetupDone = 1;
  s.CopyPlusMode = 1;
  ASSERT_TRUE(SaveInitial(folder.Data("initial.ini"), s));
  ASSERT_TRUE(SaveOptions(folder.Data("option.ini"), s));

  platform.now = {2024, 6, 20, 9, 30};  // 50 days on
  Module module(platform, folder.Base());
  module.Open(RunStartup(folder.Base(), platform.now, module.settings()));
  Form1* main = module.form1();
  ASSERT_TRUE(main);

  const long long kBack[] = {
      1, 59, 60 * 24, 60 * 24 * 40, 60 * 24 * 366 * 3, 60LL * 24 * 365 * 120};  // back to 1904
  for (long long minutes : kBack) {
    platform.now = AddMinutes(quit, -minutes);
    SCOPED_TRACE(::testing::Message() << minutes << " minutes before the quit moment");
    module.RefreshAll();
    QApplication::processEvents();

    for (const QLabel* label : main->Label2) {
      EXPECT_FALSE(label->text().contains(kBrokenFigure)) << label->text().toStdString();
    }
    const ProgressSnapshot& snap = module.Snapshot();
    EXPECT_GE(snap.LungColour, 0);
    EXPECT_LE(snap.LungColour, 0xFFFFFF);
    EXPECT_GE(main->LungFill(), 0);
    EXPECT_GE(snap.ProgressValue, 0);
    EXPECT_LE(snap.ProgressValue, 33);
    EXPECT_GE(main->ProgressBar1->value(), 0);
    EXPECT_FALSE(module.form7()->Label1->text().contains(kBrokenFigure));
    module.CopyFullSummary();
    EXPECT_FALSE(platform.clipboard.contains(kBrokenFigure)) << platform.clipboard.toStdString();
    module.CopyShortSummary();
    EXPECT_FALSE(platform.clipboard.contains(kBrokenFigure)) << platform.clipboard.toStdString();
  }

  // The clock put right again: the figures of 50 days are back.
  platform.now = {2024, 6, 20, 9, 30};
  module.RefreshAll();
  EXPECT_EQ(main->Label2[0]->text(), QStringLiteral("０年１ヶ月１８日２１時間３０分"));
  EXPECT_EQ(main->LungFill(), 255 + 256 * 140 + 65536 * 140);
  EXPECT_TRUE(main->isVisible());
}

}  // namespace
}  // namespace kemurina
