#include "windows/fonts.h"

#include <QColor>
#include <QStringList>

namespace kemurina {

namespace {
const QString kDesignFamily = QStringLiteral("ＭＳ ゴシック");
}

void InstallFontSubstitutions() {
  QFont::insertSubstitutions(
      kDesignFamily,
      {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"), QStringLiteral("IPAexGothic"),
       QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans Mono CJK JP"),
       QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic"),
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
