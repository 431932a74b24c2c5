#include "startup/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

namespace kemurina {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Opens the one temporary file beside `file`, emptied. Only one copy of the
// program runs at a time, so a fixed name is enough, and a save cut short by a
// crash leaves at most this one file behind, which the next save reuses.
int OpenTemporarySibling(const std::filesystem::path& file, std::filesystem::path& temporary) {
  temporary = file;
  temporary += ".tmp";
  return ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
}

void SyncFolderOf(const std::filesystem::path& file) {
  std::filesystem::path folder = file.parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<std::string> ReadFileHead(const std::filesystem::path& file, std::size_t maxBytes) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(maxBytes, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

bool CanOpenForReading(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return static_cast<bool>(in);
}

bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::path temporary;
  const int fd = OpenTemporarySibling(file, temporary);
  if (fd < 0) return false;

  bool ok = WriteAll(fd, bytes);
  // Keep the permissions someone gave the old file.
  struct stat old {};
  if (ok && ::stat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    ::fchmod(fd, old.st_mode & 07777);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temporary.c_str(), file.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  // The rename is only durable once the folder entry is on disk; failing here
  // does not undo a write that has already taken place.
  SyncFolderOf(file);
  return true;
}

}  // namespace kemurina
