// The design font must come out as a font that holds the Japanese texts
// itself, not as a Latin font that leaves each glyph to a fallback. (The
// pop-up menus are drawn in the desktop's own menu font, as menus are.)
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QFontInfo>
#include <QRawFont>

#include "startup/settings_file.h"
#include "tests/gui/data_folder.h"
#include "tests/gui/fake_platform.h"
#include "windows/fonts.h"
#include "windows/form1.h"
#include "windows/form7.h"
#include "windows/module.h"

namespace kemurina {
namespace {

QString Missing(const QFont& font, const QString& text) {
  const QRawFont raw = QRawFont::fromFont(font);
  QString missing;
  for (const uint code : text.toUcs4()) {
    const char32_t c = code;
    // Latin letters and digits may come from a fallback without harm.
    if (c >= 0x80 && !QChar::isSpace(c) && !raw.supportsCharacter(c))
      missing += QString::fromUcs4(&c, 1);
  }
  return missing;
}

TEST(DesignFont, HoldsEveryTextOfTheMainAndMiniWindows) {
  Settings s;
  s.SetQuitDate({2024, 5, 1, 12, 0});
  s.SetupDone = 1;
  testing::DataFolder folder;
  ASSERT_TRUE(SaveInitial(folder.Data("initial.ini"), s));
  ASSERT_TRUE(SaveOptions(folder.Data("option.ini"), s));
  testing::FakePlatform platform;
  platform.now = {2024, 6, 20, 9, 30};
  Module module(platform, folder.Base());
  module.Open(RunStartup(folder.Base(), platform.now, module.settings()));
  Form1& main = *module.form1();

  const QFont font = DesignFont(9);
  EXPECT_FALSE(QFontInfo(font).family().isEmpty());
  std::vector<std::pair<QFont, QString>> texts;
  for (const auto& [index, label] : main.Label1) texts.emplace_back(label->font(), label->text());
  for (ClickLabel* label : main.Label2) texts.emplace_back(label->font(), label->text());
  for (QAbstractButton* b : {main.Command1, main.Command2, main.Command3, main.Command4}) {
    texts.emplace_back(b->font(), b->text());
  }
  texts.emplace_back(module.form7()->Label1->font(), module.form7()->Label1->text());
  for (const auto& [f, text] : texts) {
    ASSERT_FALSE(text.isEmpty());
    EXPECT_EQ(Missing(f, text).toStdString(), "")
        << QFontInfo(f).family().toStdString() << ": " << text.toStdString();
  }
}

}  // namespace
}  // namespace kemurina
