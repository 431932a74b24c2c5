#pragma once

#include <QFont>

namespace kemurina {

// The windows are designed in "ＭＳ ゴシック"; map it to the Japanese fonts a
// Linux desktop has, IPAGothic first.
void InstallFontSubstitutions();

// The design font at a point size (9, 8.25, 12, 14.25 ...), optionally bold.
QFont DesignFont(double pointSize, bool bold = false);

// 0xBBGGRR as stored in the option file.
QColor FromBgr(int bgr);

}  // namespace kemurina
