#pragma once

#include <QLabel>
#include <QRect>
#include <QWidget>
#include <QtGlobal>
#include <algorithm>

// Expected places, in logical pixels, from the layout's twips: worked out
// here rather than with the program's own conversion.
inline int px(int twips) { return qRound(twips / 15.0); }

inline QRect pxRect(int left, int top, int width, int height) {
  return {px(left), px(top), px(width), px(height)};
}

// Whether a control stands at its place. A label with a fixed text may have
// grown to the right so that the substitute font does not cut the text off.
inline bool standsAt(const QWidget& control, const QRect& place) {
  const auto* label = qobject_cast<const QLabel*>(&control);
  if (label == nullptr || label->text().isEmpty()) return control.geometry() == place;
  const QRect geometry = control.geometry();
  return geometry.topLeft() == place.topLeft() && geometry.height() == place.height() &&
         geometry.width() == std::max(place.width(), control.sizeHint().width());
}
