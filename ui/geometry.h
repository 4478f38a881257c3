#pragma once
#include "ui/form.h"

namespace velmora {

constexpr int kTwipsPerInch = 1440;

// Twips to pixels at a screen's dots per inch, rounded half away from zero (as MulDiv does).
int TwipsToPixels(int twips, int dpi);

struct PixelRect {
  int left, top, width, height;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
PixelRect ToPixels(const TwipsRect& rect, int dpi);

// A font's cell height in pixels for its size in points (the negative LOGFONT height).
int FontPixelHeight(double points, int dpi);

}  // namespace velmora
