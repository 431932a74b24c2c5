#pragma once

#include <filesystem>
#include <string_view>

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
  Setup,      // first start: the setup dialog
  MainShown,  // main window visible, mini window created hidden
  MiniShown,  // main window created hidden, mini window visible
};

struct StartupResult {
  FirstWindow Window = FirstWindow::Setup;
  // option.ini is there but could not be read: the record holds the option
  // defaults, and the user is told once (kUnreadableOptionsMessage).
  bool OptionsUnreadable = false;

  friend bool operator==(const StartupResult&, const StartupResult&) = default;
};

// The start-up routine's decisions: create the folder, create missing files
// with defaults, read option.ini (falling back to the option defaults without
// touching the file), then choose the window to open. A file that is there but
// cannot be read is never replaced: an unreadable initial.ini leaves the record
// without a quit moment, so the main window's load stands in for it and says
// so (kUnreadableInitialMessage).
StartupResult RunStartup(const std::filesystem::path& basePath, const LocalTime& now, Settings& s);

// What a main window's load found when it read initial.ini again.
enum class InitialReload {
  Read,     // the file's values are in the record
  Kept,     // unreadable: the record keeps the usable values it already had
  StandIn,  // unreadable with nothing usable in memory either
};

// Re-reads initial.ini. When neither the file nor the record holds a usable
// quit moment (a damaged file that start-up, which only checks that the file
// opens, passed on), the record stands in with the quit moment `now` and the
// default figures, so every figure reads day 0 instead of two thousand years.
// The file itself is left for the user to put right through the settings.
InitialReload ReloadInitial(const std::filesystem::path& file, const LocalTime& now, Settings& s);

// Told by a copy that finds another one running, before it ends.
inline constexpr std::string_view kAlreadyRunningMessage = "プログラムは既に起動されています。";

// Told once, when the record has to stand in for a damaged initial.ini.
inline constexpr std::string_view kUnreadableInitialMessage =
    "ケムリナ日の記録（kemurinadata の initial.ini）が読み込めませんでした。"
    "いまの日時をケムリナ日として表示します。設定ウィンドウでケムリナ日を確かめて、"
    "保存してください。";

// Told once, when option.ini is there but cannot be read at start-up.
inline constexpr std::string_view kUnreadableOptionsMessage =
    "表示の設定（kemurinadata の option.ini）が読み込めませんでした。"
    "はじめの設定で表示します。ファイルはそのままにしてあります。"
    "読み込みの許可などを確かめてください。";

}  // namespace kemurina
