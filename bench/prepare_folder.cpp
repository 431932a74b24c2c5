// Writes a working folder for the start-up and idle measurements: the smoker
// quit DAYS_AGO days ago (12 unless given), set-up done, so the program opens
// its main window (WINDOW_MODE 2, the default) or its mini window (1) at once.
//
//   kemurina_bench_prepare DIR [DAYS_AGO] [WINDOW_MODE]
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "startup/settings_file.h"
#include "startup/startup.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: %s DIR [DAYS_AGO] [WINDOW_MODE]\n", argv[0]);
    return 2;
  }
  const std::filesystem::path base = argv[1];
  const long daysAgo = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 12;
  const int windowMode = argc > 3 ? static_cast<int>(std::strtol(argv[3], nullptr, 10)) : 2;

  const std::time_t quit = std::time(nullptr) - static_cast<std::time_t>(daysAgo) * 86400;
  std::tm local{};
  localtime_r(&quit, &local);

  kemurina::Settings s;
  s.SetQuitDate(
      {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min});
  s.SetupDone = 1;
  s.WindowMode = windowMode;
  // 100 px from the top left corner at 96 DPI, well inside any screen.
  s.MainLeft = s.MainTop = s.MiniLeft = s.MiniTop = 1500;

  const kemurina::DataPaths paths = kemurina::DataPaths::For(base);
  std::error_code ec;
  std::filesystem::create_directories(paths.Folder, ec);
  if (!kemurina::SaveInitial(paths.Initial, s) || !kemurina::SaveOptions(paths.Options, s)) {
    std::fprintf(stderr, "cannot write the settings files in %s\n", paths.Folder.c_str());
    return 1;
  }
  return 0;
}
