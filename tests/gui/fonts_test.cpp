#include <gtest/gtest.h>
#include <QFontInfo>
#include <QRawFont>

#include "tests/gui/program_test.h"

namespace kemurina {
namespace {

using Fonts = testing::ProgramTest;

// The design font must hold the Japanese texts itself, not leave each glyph to a fallback;
// Latin letters and digits may come from one. (Menus are drawn in the desktop's menu font.)
TEST_F(Fonts, DesignFontHoldsEveryTextOfTheMainAndMiniWindows) {
  WriteFiles();
  Start({2024, 6, 20, 9, 30});
  std::vector<QWidget*> widgets{Main().Command1, Main().Command2, Main().Command3, Main().Command4,
                                Mini().Label1};
  for (const auto& [index, label] : Main().Label1) widgets.push_back(label);
  widgets.insert(widgets.end(), Main().Label2.begin(), Main().Label2.end());
  for (QWidget* w : widgets) {
    const QString text = w->property("text").toString();
    const QRawFont raw = QRawFont::fromFont(w->font());
    QString missing;
    for (const char32_t c : text.toUcs4()) {
      if (c >= 0x80 && !QChar::isSpace(c) && !raw.supportsCharacter(c))
        missing += QString::fromUcs4(&c, 1);
    }
    EXPECT_FALSE(text.isEmpty());
    EXPECT_EQ(missing.toStdString(), "")
        << QFontInfo(w->font()).family().toStdString() << ": " << text.toStdString();
  }
}

}  // namespace
}  // namespace kemurina
