#pragma once

#include <filesystem>
#include <string_view>

// The steps of an atomic save that each system does its own way; the order of
// the steps and the clean-up are file_io.cpp's.
namespace kemurina::file_io_backend {

// False when the target exists and the user may not write it, or its folder
// may not be written.
bool MayReplace(const std::filesystem::path& file);

// Writes `bytes` into `temporary` (created or emptied) with the permissions of
// `keepModeOf` when that file exists, and flushes it to the disk.
bool WriteFlushed(const std::filesystem::path& temporary, std::string_view bytes,
                  const std::filesystem::path& keepModeOf);

// Renames `temporary` over `file`, durably.
bool MoveOver(const std::filesystem::path& temporary, const std::filesystem::path& file);

}  // namespace kemurina::file_io_backend
