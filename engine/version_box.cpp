#include "engine/version_box.h"

#include "engine/number_text.h"
#include "kemurina_version.h"
#include "startup/settings.h"

namespace kemurina {

std::string VersionBoxText() {
  return "　ケムリナ式バージョン" + ToWideDigits(kVersion) + "　\r\n\r\n　- hakkaro -\r\n　" +
         std::string(kProductSiteUrl);
}

}  // namespace kemurina
