#pragma once

#include <QRect>

namespace redox {

// The layouts of the windows are given in twips, never negative; one logical
// pixel stands for 15 twips, rounded to the nearest pixel.
constexpr int twipsToPixels(int twips) { return (twips * 2 + 15) / 30; }

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

inline QRect pixelRect(const TwipsRect& place) {
  return {twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
          twipsToPixels(place.height)};
}

}  // namespace redox
