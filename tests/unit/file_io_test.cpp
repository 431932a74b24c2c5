#include "startup/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "permission_bits.h"
#include "scratch_folder.h"

namespace kemurina {
namespace {

namespace fs = std::filesystem;
using namespace test_support;

// A save never goes around a protection the user gave the file or its folder,
// and never leaves its temporary file behind.
TEST(WriteFileAtomically, KeepsWhatTheUserProtected) {
  using P = fs::perms;
  const struct {
    const char* name;
    P file, folder;
    bool replaced, posixOnly = true;  // a folder's read-only flag does not guard it on Windows
  } cases[] = {{"writable", P{0644}, P{0755}, true, false},
               {"mode no umask gives", P{0604}, P{0700}, true, false},
               {"read-only", P{0444}, P{0755}, false, false},
               {"no permissions at all", P{0}, P{0755}, false},
               {"read-only folder", P{0644}, P{0555}, false},
               {"folder without permissions", P{0644}, P{0}, false}};
  for (const auto& c : cases) {
    if (kWindows && c.posixOnly) continue;
    SCOPED_TRACE(c.name);
    ScratchFolder base;
    const fs::path folder = base.Path() / "data", file = folder / "option.ini";
    fs::create_directory(folder);
    WriteBytes(file, "old");
    fs::permissions(file, c.file);
    fs::permissions(folder, c.folder);
    EXPECT_EQ(WriteFileAtomically(file, "new"), c.replaced);
    fs::permissions(folder, fs::perms{0700});
    EXPECT_EQ(VisiblePerms(fs::status(file).permissions()), VisiblePerms(c.file));
    fs::permissions(file, fs::perms::owner_read, fs::perm_options::add);
    EXPECT_EQ(ReadBytes(file), c.replaced ? "new" : "old");
    EXPECT_EQ(ScratchFolder::Entries(folder), std::vector<std::string>{"option.ini"});
  }
}

// Only where nothing at all is found may a default file be created. A link to nowhere and a
// file without permissions are told unreadable through start-up's own table.
TEST(ProbeFile, TellsMissingFromUnreadable) {
  ScratchFolder base;
  const fs::path file = base.Path() / "initial.ini";
  EXPECT_EQ(ProbeFile(file), FileState::Missing);
  EXPECT_EQ(ProbeFile(base.Path() / "no folder" / "initial.ini"), FileState::Missing);
  WriteBytes(file, "");
  EXPECT_EQ(ProbeFile(file), FileState::Readable);
  EXPECT_EQ(ReadFileHead(file, 10), "");
  WriteBytes(file, "2012,4,24");
  EXPECT_EQ(ReadFileHead(file, 4), "2012");
  fs::remove(file);
  fs::create_directory(file);
  EXPECT_EQ(ProbeFile(file), FileState::Unreadable);
  EXPECT_EQ(ReadFileHead(file, 10), std::nullopt);
}

}  // namespace
}  // namespace kemurina
