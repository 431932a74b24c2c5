#pragma once

#include <string>
#include <string_view>

namespace kemurina {

// Told when a settings file could not be written: names the data folder (its
// path in UTF-8) and warns that the settings will not be there at the next
// start, as the first start, the settings dialog and a closing window would
// otherwise let the loss pass unnoticed.
std::string SaveFailedMessage(std::string_view dataFolder);

}  // namespace kemurina
