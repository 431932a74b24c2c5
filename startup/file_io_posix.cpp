// The atomic save on Linux and other POSIX systems.
#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "startup/file_io_backend.h"

namespace kemurina::file_io_backend {
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

std::filesystem::path FolderOf(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.parent_path();
  return folder.empty() ? "." : folder;
}

// The superuser passes every permission check, but a file or folder without
// any write bit was protected on purpose, so that is respected for everyone.
bool MayWrite(const std::filesystem::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && (st.st_mode & 0222) != 0 &&
         ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

}  // namespace

bool MayReplace(const std::filesystem::path& file) {
  struct stat st {};
  const bool exists = ::stat(file.c_str(), &st) == 0;
  return (!exists || MayWrite(file)) && MayWrite(FolderOf(file));
}

bool WriteFlushed(const std::filesystem::path& temporary, std::string_view bytes,
                  const std::filesystem::path& keepModeOf) {
  const int fd =
      ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  // Keep the permissions someone gave the old file.
  struct stat old {};
  if (ok && ::stat(keepModeOf.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    ::fchmod(fd, old.st_mode & 07777);
  }
  ok = ok && ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

bool MoveOver(const std::filesystem::path& temporary, const std::filesystem::path& file) {
  if (::rename(temporary.c_str(), file.c_str()) != 0) return false;
  // The rename is only durable once the folder entry is on disk; failing here
  // does not undo a write that has already taken place.
  const int fd = ::open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
  return true;
}

}  // namespace kemurina::file_io_backend

#endif  // !_WIN32
