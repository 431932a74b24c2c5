#pragma once

#include <string>

namespace kemurina {

// The version box: the product name with the version in full-width digits,
// the author and the product's web site.
std::string VersionBoxText();

}  // namespace kemurina
