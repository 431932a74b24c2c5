// kemurina_save_loop DATA_FOLDER: saves both settings files, alternating the two
// versions, until killed; one byte on stdout once the first pair is saved.
#include <unistd.h>

#include <filesystem>

#include "startup/settings_file.h"
#include "tests/faults/save_versions.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::filesystem::path folder = argv[1];
  for (bool first = true, b = true;; first = false, b = !b) {
    // B first: the test starts every run from version A on disk.
    const kemurina::Settings& s = b ? kemurina::faults::kVersionB : kemurina::faults::kVersionA;
    kemurina::SaveInitial(folder / "initial.ini", s);
    kemurina::SaveOptions(folder / "option.ini", s);
    if (first && ::write(STDOUT_FILENO, "!", 1) != 1) return 1;
  }
}
