#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "startup/settings.h"

namespace kemurina {

// Both files are one line of comma-separated items ending in CRLF, texts in
// double quotes, stored in code page 932.
//
// A load that fails leaves the fields of that file as they were and returns
// false. Besides damaged bytes, an initial.ini that IsUsableInitial turns
// down counts as unreadable; option values are taken as they stand.
//
// A save writes a temporary file beside the target and renames it over, so a
// crash mid-write leaves either the old or the new whole file; it returns
// false when the file could not be written.
bool LoadInitial(const std::filesystem::path& file, Settings& s);

// True when the figures can be worked out from the record's initial.ini
// fields: a real date and time in years 1 to 9999 and at least one cigarette
// a day and one yen a pack. Values beyond what the settings dialog accepts
// (250 a day, a quit moment still to come) are usable; only the dialog
// itself insists on its ranges.
bool IsUsableInitial(const Settings& s);
bool LoadOptions(const std::filesystem::path& file, Settings& s);
bool SaveInitial(const std::filesystem::path& file, const Settings& s);
bool SaveOptions(const std::filesystem::path& file, const Settings& s);

// The exact bytes the savers write (code page 932, CRLF). An option text that
// code page 932 cannot hold is written with "?" in its place.
std::string InitialFileBytes(const Settings& s);
std::string OptionFileBytes(const Settings& s);

// Parse file bytes; false when the bytes do not make a readable file.
bool ParseInitial(std::string_view bytes, Settings& s);
bool ParseOptions(std::string_view bytes, Settings& s);

void ApplyInitialDefaults(Settings& s, const LocalTime& now);
void ApplyOptionDefaults(Settings& s);

}  // namespace kemurina
