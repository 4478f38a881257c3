#include "ui/geometry.h"

#include <cmath>
#include <cstdlib>

namespace velmora {

int TwipsToPixels(int twips, int dpi) {
  const long long product = static_cast<long long>(twips) * dpi;
  const long long half = kTwipsPerInch / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kTwipsPerInch : -((-product + half) / kTwipsPerInch));
}

PixelRect ToPixels(const TwipsRect& rect, int dpi) {
  // Edges are scaled, not sizes, so that neighbours stay flush at every DPI.
  const int left = TwipsToPixels(rect.left, dpi), top = TwipsToPixels(rect.top, dpi);
  return {left, top, TwipsToPixels(rect.left + rect.width, dpi) - left, TwipsToPixels(rect.top + rect.height, dpi) - top};
}

int FontPixelHeight(double points, int dpi) { return static_cast<int>(std::lround(points * dpi / 72.0)); }

}  // namespace velmora
