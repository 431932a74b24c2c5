#include <QApplication>
#include <csignal>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "dialogs/provide_dialogs.h"
#include "startup/startup.h"
#include "windows/accessibility.h"
#include "windows/fonts.h"
#include "windows/module.h"
#include "windows/qt_platform.h"

namespace {

int Run(int argc, char** argv, int& endingSignal) {
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
  kemurina::ProvideDialogs(module);
  const kemurina::StartupResult started =
      kemurina::RunStartup(base, platform.Now(), module.settings());
  module.Open(started.Window);
  if (!module.AnyWindowLoaded()) return 0;
  if (started.OptionsUnreadable) {
    const std::string_view text = kemurina::kUnreadableOptionsMessage;
    platform.ShowMessage(nullptr,
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
  const int status = QApplication::exec();
  endingSignal = platform.EndingSignal();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  int endingSignal = 0;
  const int status = Run(argc, argv, endingSignal);
  // Ended by a signal, the windows closed and saved: end by the same signal,
  // so whoever sent it (a shell, systemd) sees it obeyed rather than an exit.
  if (endingSignal != 0) {
    std::signal(endingSignal, SIG_DFL);
    std::raise(endingSignal);
  }
  return status;
}
