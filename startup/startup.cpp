#include "startup/startup.h"

#include <system_error>

#include "startup/file_io.h"
#include "startup/settings_file.h"

namespace kemurina {

DataPaths DataPaths::For(const std::filesystem::path& basePath) {
  DataPaths paths;
  paths.Folder = basePath / "kemurinadata";
  paths.Initial = paths.Folder / "initial.ini";
  paths.Options = paths.Folder / "option.ini";
  return paths;
}

void EnsureDataFolder(const DataPaths& paths) {
  std::error_code ignored;
  std::filesystem::create_directory(paths.Folder, ignored);
}

StartupResult RunStartup(const std::filesystem::path& basePath, const LocalTime& now, Settings& s) {
  const DataPaths paths = DataPaths::For(basePath);
  EnsureDataFolder(paths);

  // Defaults are written only where there is no file at all; a file that is
  // there but cannot be read may still hold the real quit moment. Write
  // failures are silent: the record keeps the defaults either way.
  // initial.ini is not read here; the main window's load reads it.
  switch (ProbeFile(paths.Initial)) {
    case FileState::Missing:
      ApplyInitialDefaults(s, now);
      SaveInitial(paths.Initial, s);
      break;
    case FileState::Unreadable:
      s.SetQuitDate(Settings{}.QuitDate());  // none: the load stands in and says so
      break;
    case FileState::Readable:
      break;
  }

  StartupResult result;
  switch (ProbeFile(paths.Options)) {
    case FileState::Missing:
      ApplyOptionDefaults(s);
      SaveOptions(paths.Options, s);
      break;
    case FileState::Unreadable:
      ApplyOptionDefaults(s);
      result.OptionsUnreadable = true;
      break;
    case FileState::Readable:
      // A damaged file stays as it is until the next save replaces it.
      if (!LoadOptions(paths.Options, s)) ApplyOptionDefaults(s);
      break;
  }

  if (s.SetupDone == 0) {
    result.Window = FirstWindow::Setup;
  } else {
    result.Window =
        s.WindowMode == window_mode::kMiniInUse ? FirstWindow::MiniShown : FirstWindow::MainShown;
  }
  return result;
}

InitialReload ReloadInitial(const std::filesystem::path& file, const LocalTime& now, Settings& s) {
  if (LoadInitial(file, s)) return InitialReload::Read;
  if (IsUsableInitial(s)) return InitialReload::Kept;
  ApplyInitialDefaults(s, now);
  return InitialReload::StandIn;
}

}  // namespace kemurina
