#pragma once

#include <unistd.h>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>

namespace kemurina::testing {

// A fresh working folder per test, removed afterwards.
class DataFolder {
 public:
  DataFolder() {
    static std::atomic<int> counter{0};
    base_ = std::filesystem::temp_directory_path() /
            ("kemurina-gui-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(base_);
    std::filesystem::create_directories(base_ / "kemurinadata");
  }
  ~DataFolder() {
    std::error_code ec;  // a test may have made the folder read-only
    std::filesystem::permissions(base_ / "kemurinadata", std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(base_, ec);
  }
  const std::filesystem::path& Base() const { return base_; }
  std::filesystem::path Data(const char* name) const { return base_ / "kemurinadata" / name; }
  void Write(const char* name, const std::string& bytes) const {
    std::ofstream(Data(name), std::ios::binary) << bytes;
  }
  std::string Read(const char* name) const {
    std::ifstream in(Data(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path base_;
};

}  // namespace kemurina::testing
