#include "windows/fonts.h"

#include <QColor>
#include <QStringList>

namespace kemurina {

namespace {
const QString kDesignFamily = QStringLiteral("ＭＳ ゴシック");
}

void InstallFontSubstitutions() {
  // Fixed-pitch gothic fonts with a line as compact as the design font's come
  // first: the caption labels are barely taller than their text, and the tall
  // line of Noto CJK clips the bottom of each glyph there.
  QFont::insertSubstitutions(
      kDesignFamily,
      {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"), QStringLiteral("IPAexGothic"),
       QStringLiteral("TakaoGothic"), QStringLiteral("VL Gothic"),
       QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Noto Sans CJK JP"),
       QStringLiteral("Droid Sans Fallback"), QStringLiteral("WenQuanYi Zen Hei")});
}

QFont DesignFont(double pointSize, bool bold) {
  QFont f(kDesignFamily);
  f.setPointSizeF(pointSize);
  f.setBold(bold);
  f.setStyleHint(QFont::TypeWriter);
  return f;
}

QColor FromBgr(int bgr) {
  const unsigned v = static_cast<unsigned>(bgr);
  return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                static_cast<int>((v >> 16) & 0xFF));
}

}  // namespace kemurina
