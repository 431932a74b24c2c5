#include <gtest/gtest.h>
#include <QApplication>

#include "windows/accessibility.h"
#include "windows/fonts.h"

int main(int argc, char** argv) {
  // Window tests are headless wherever they run, test listing included.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  kemurina::InstallFontSubstitutions();
  kemurina::InstallAccessibility();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
