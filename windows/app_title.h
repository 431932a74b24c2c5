#pragma once

#include <QString>

namespace kemurina {

// The title of every message box and the notification icon's tip.
inline QString AppTitle() { return QStringLiteral("ケムリナ式"); }

}  // namespace kemurina
