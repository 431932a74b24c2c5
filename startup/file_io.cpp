#include "startup/file_io.h"

#include <fstream>
#include <system_error>

#include "startup/file_io_backend.h"

namespace kemurina {

std::optional<std::string> ReadFileHead(const std::filesystem::path& file, std::size_t maxBytes) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(maxBytes, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
  // Running out of bytes is the end of the file; bad() is a read that failed.
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

FileState ProbeFile(const std::filesystem::path& file) {
  std::error_code ec;
  // symlink_status, so that a link whose target is gone still counts as there.
  if (std::filesystem::symlink_status(file, ec).type() == std::filesystem::file_type::not_found) {
    return FileState::Missing;
  }
  return ReadFileHead(file, 1) ? FileState::Readable : FileState::Unreadable;
}

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
  if (!file_io_backend::MayReplace(file)) return false;
  // Only one copy of the program runs at a time, so a fixed name is enough,
  // and a save cut short by a crash leaves at most this one file behind, which
  // the next save reuses.
  std::filesystem::path temporary = file;
  temporary += ".tmp";
  if (file_io_backend::WriteFlushed(temporary, bytes, file) &&
      file_io_backend::MoveOver(temporary, file)) {
    return true;
  }
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return false;
}

}  // namespace kemurina
