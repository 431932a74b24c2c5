// The atomic save on Windows: wide-character paths throughout.
#ifdef _WIN32

#include <windows.h>

#include <climits>

#include "startup/file_io_backend.h"

namespace kemurina::file_io_backend {
namespace {

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (Valid()) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return h_; }
  // Closing can report a failed write of its own.
  bool Close() {
    const bool ok = CloseHandle(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE h_;
};

}  // namespace

bool MayReplace(const std::filesystem::path& file) {
  const DWORD attributes = GetFileAttributesW(file.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;  // nothing there yet
  if (attributes & FILE_ATTRIBUTE_READONLY) return false;
  // Denied by the file's access list, or a folder in its place: opening it for
  // writing fails (nothing is changed by the open itself).
  const Handle probe(CreateFileW(file.c_str(), GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return probe.Valid();
}

bool WriteFlushed(const std::filesystem::path& temporary, std::string_view bytes,
                  const std::filesystem::path& /*keepModeOf: Windows keeps no mode bits*/) {
  Handle out(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out.Valid()) return false;
  bool ok = true;
  while (ok && !bytes.empty()) {
    const DWORD chunk = bytes.size() > INT_MAX ? INT_MAX : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    ok = WriteFile(out.Get(), bytes.data(), chunk, &written, nullptr) != 0;
    bytes.remove_prefix(written);
  }
  ok = ok && FlushFileBuffers(out.Get()) != 0;
  return out.Close() && ok;
}

bool MoveOver(const std::filesystem::path& temporary, const std::filesystem::path& file) {
  // Write-through: the call returns once the rename is on the disk.
  return MoveFileExW(temporary.c_str(), file.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace kemurina::file_io_backend

#endif  // _WIN32
