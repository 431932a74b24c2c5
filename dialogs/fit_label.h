#pragma once

#include <QLabel>
#include <algorithm>

namespace kemurina {

// The design's label boxes were measured for another font; where a text comes
// out wider in the fonts at hand the box grows rather than cutting it off.

// Grows to the right, keeping the left edge.
inline void GrowToText(QLabel* label) {
  label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

// Grows on both sides around the same middle, staying within 0..limit.
inline void GrowToTextCentred(QLabel* label, int limit) {
  const int wanted = std::min(label->sizeHint().width(), limit);
  if (wanted <= label->width()) return;
  const int middle = label->x() + label->width() / 2;
  const int left = std::clamp(middle - wanted / 2, 0, limit - wanted);
  label->setGeometry(left, label->y(), wanted, label->height());
}

}  // namespace kemurina
