#pragma once

#include <filesystem>

#include "startup/settings.h"

namespace kemurina {

// Where the data lives: kemurinadata/ inside the working folder.
struct DataPaths {
  std::filesystem::path Folder;
  std::filesystem::path Initial;
  std::filesystem::path Options;

  static DataPaths For(const std::filesystem::path& basePath);
};

// Creates the data folder; an existing folder or a failure is not reported.
void EnsureDataFolder(const DataPaths& paths);

enum class FirstWindow {
  Setup,     // first start: the setup dialog
  MainShown, // main window visible, mini window created hidden
  MiniShown, // main window created hidden, mini window visible
};

// The start-up routine's decisions: create the folder, create missing files
// with defaults, read option.ini (falling back to the option defaults without
// touching the file), then choose the window to open.
FirstWindow RunStartup(const std::filesystem::path& basePath, const LocalTime& now, Settings& s);

}  // namespace kemurina
