#pragma once

// What each system lets a test see of file permissions.

#include <filesystem>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace kemurina::test_support {

#ifdef _WIN32
inline constexpr bool kWindows = true;
inline bool IsSuperuser() { return false; }
// Windows keeps one read-only flag, which the library shows as the write bits.
inline std::filesystem::perms VisiblePerms(std::filesystem::perms p) {
  return p & std::filesystem::perms::owner_write;
}
#else
inline constexpr bool kWindows = false;
// Root reads and writes whatever the permission bits say.
inline bool IsSuperuser() { return ::geteuid() == 0; }
inline std::filesystem::perms VisiblePerms(std::filesystem::perms p) { return p; }
#endif

}  // namespace kemurina::test_support
