#include <QApplication>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "startup/startup.h"
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

  std::error_code ec;
  std::filesystem::path base = std::filesystem::current_path(ec);
  if (ec) base = ".";

  kemurina::QtPlatform platform;
  kemurina::Module module(platform, base);
  const kemurina::StartupResult started =
      kemurina::RunStartup(base, platform.Now(), module.settings());
  module.Open(started.Window);
  if (!module.AnyWindowLoaded()) return 0;
  if (started.OptionsUnreadable) {
    const std::string_view text = kemurina::kUnreadableOptionsMessage;
    platform.ShowMessage(nullptr,
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
  return QApplication::exec();
}
