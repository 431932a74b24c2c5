#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kemurina {

// The first `maxBytes` bytes of a file (all of it when shorter); nullopt when
// the file cannot be opened for reading or a read fails (a folder in its
// place, an I/O error).
std::optional<std::string> ReadFileHead(const std::filesystem::path& file, std::size_t maxBytes);

// What is found where a settings file should be. Only a Missing file may be
// created with defaults: anything else there, even a link to nowhere, belongs
// to the user.
enum class FileState { Missing, Readable, Unreadable };
FileState ProbeFile(const std::filesystem::path& file);

// Replaces the file's contents with `bytes` so that a crash or a full disk
// leaves either the old or the new whole file: the bytes go to a temporary file
// in the same folder, are flushed to the disk and renamed over the target.
// A file the user protected is refused, although the rename could go around
// it: one that exists and may not be written (on Linux, one without any write
// bit is refused even to the superuser; on Windows, the read-only attribute),
// or one whose folder may not be written.
// False when anything is refused or fails; the temporary file is then removed
// and the old file is untouched.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace kemurina
