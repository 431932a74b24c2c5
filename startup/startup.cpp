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

FirstWindow RunStartup(const std::filesystem::path& basePath, const LocalTime& now, Settings& s) {
  const DataPaths paths = DataPaths::For(basePath);
  EnsureDataFolder(paths);

  // initial.ini is only created here when missing; the main window reads it.
  // Write failures are silent: the record keeps the defaults either way.
  if (!CanOpenForReading(paths.Initial)) {
    ApplyInitialDefaults(s, now);
    SaveInitial(paths.Initial, s);
  }

  if (!CanOpenForReading(paths.Options)) {
    ApplyOptionDefaults(s);
    SaveOptions(paths.Options, s);
  } else if (!LoadOptions(paths.Options, s)) {
    // A damaged file stays as it is until the next save replaces it.
    ApplyOptionDefaults(s);
  }

  if (s.SetupDone == 0) return FirstWindow::Setup;
  if (s.WindowMode != window_mode::kMiniInUse) return FirstWindow::MainShown;
  return FirstWindow::MiniShown;
}

InitialReload ReloadInitial(const std::filesystem::path& file, const LocalTime& now, Settings& s) {
  if (LoadInitial(file, s)) return InitialReload::Read;
  if (IsUsableInitial(s)) return InitialReload::Kept;
  ApplyInitialDefaults(s, now);
  return InitialReload::StandIn;
}

}  // namespace kemurina
