#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kemurina {

// The first `maxBytes` bytes of a file (all of it when shorter); nullopt when
// the file cannot be opened for reading.
std::optional<std::string> ReadFileHead(const std::filesystem::path& file, std::size_t maxBytes);

// True when the file can be opened for reading; nothing is read.
bool CanOpenForReading(const std::filesystem::path& file);

// Replaces the file's contents with `bytes` so that a crash or a full disk
// leaves either the old or the new whole file: the bytes go to a temporary file
// in the same folder, are flushed to the disk and renamed over the target.
// False when any step fails; the temporary file is then removed and the old
// file is untouched.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace kemurina
