#include <QRegularExpression>

#include "tests/gui/program_test.h"

namespace kemurina {
namespace {

using ClockSetBack = testing::ProgramTest;

// A clock set back before the quit moment gives figures, never nonsense, until it is put right.
TEST_F(ClockSetBack, BeforeTheQuitMomentNothingBreaks) {
  // Not-a-number, infinity, or a number that ran past 32 bits.
  const QRegularExpression broken("nan|inf|2147483648", QRegularExpression::CaseInsensitiveOption);
  WriteFiles([](Settings& s) { s.CopyPlusMode = 1; });
  Start({2024, 6, 20, 9, 30});  // 50 days on
  for (long long minutes : {1LL, 59LL, 60LL * 24, 60LL * 24 * 40, 60LL * 24 * 366 * 3,
                            60LL * 24 * 365 * 120}) {  // back to 1904
    SCOPED_TRACE(::testing::Message() << minutes << " minutes before the quit moment");
    platform.now = testing::AddMinutes({2024, 5, 1, 12, 0}, -minutes);
    module->RefreshAll();
    QApplication::processEvents();
    QStringList shown{Mini().Label1->text()};
    for (const QLabel* label : Main().Label2) shown << label->text();
    module->CopyFullSummary();
    shown << platform.clipboard;
    module->CopyShortSummary();
    EXPECT_FALSE((shown << platform.clipboard).join('\n').contains(broken))
        << shown.join('\n').toStdString();
    EXPECT_TRUE(Main().LungFill() >= 0 && Main().LungFill() <= 0xFFFFFF) << Main().LungFill();
    // The bar ignores values outside its range, so the figure it is given is checked.
    const int bar = module->Snapshot().ProgressValue;
    EXPECT_TRUE(bar >= 0 && bar <= 33) << bar;
  }
  platform.now = {2024, 6, 20, 9, 30};
  module->RefreshAll();
  EXPECT_EQ(Main().Label2[0]->text(), QStringLiteral("０年１ヶ月１８日２１時間３０分"));
  EXPECT_EQ(Main().LungFill(), 255 + 256 * 140 + 65536 * 140);
}

}  // namespace
}  // namespace kemurina
