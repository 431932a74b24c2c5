// Saves both settings files over and over, alternating between two records,
// until it is killed. The fault test kills it at random moments and then
// checks that every file still holds one whole version.
//   kemurina_save_loop DATA_FOLDER
// Writes one byte to stdout once the first pair of saves is done.

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "startup/settings_file.h"
#include "tests/faults/save_versions.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DATA_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const kemurina::Settings versions[2] = {kemurina::faults::VersionA(),
                                          kemurina::faults::VersionB()};
  for (unsigned long round = 0;; ++round) {
    // B first: the test starts every run from version A on disk.
    const kemurina::Settings& s = versions[(round + 1) % 2];
    kemurina::SaveInitial(folder / "initial.ini", s);
    kemurina::SaveOptions(folder / "option.ini", s);
    if (round == 0) {
      const char ready = '!';
      if (::write(STDOUT_FILENO, &ready, 1) != 1) return 1;
    }
  }
}
