#include <QApplication>
#include <filesystem>
#include <system_error>

#include "startup/startup.h"
#include "windows/accessibility.h"
#include "windows/fonts.h"
#include "windows/module.h"
#include "windows/qt_platform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("kemurina"));
  QGuiApplication::setDesktopFileName(QStringLiteral("kemurina"));
  // The program ends when its last window is unloaded, which the module
  // decides; a hidden main window behind the mini window still counts.
  QApplication::setQuitOnLastWindowClosed(false);
  kemurina::InstallFontSubstitutions();
  kemurina::InstallAccessibility();

  std::error_code ec;
  std::filesystem::path base = std::filesystem::current_path(ec);
  if (ec) base = ".";

  kemurina::QtPlatform platform;
  kemurina::Module module(platform, base);
  const kemurina::FirstWindow first = kemurina::RunStartup(base, platform.Now(), module.settings());
  module.Open(first);
  if (!module.AnyWindowLoaded()) return 0;
  return QApplication::exec();
}
