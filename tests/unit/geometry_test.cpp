#include <gtest/gtest.h>

#include "ui/geometry.h"

namespace velmora {
namespace {

TEST(Geometry, TwipsBecomePixelsByTheScreensDpi) {
  struct Case {
    int twips, dpi, pixels;
  };
  for (const Case& c : {Case{15, 96, 1}, Case{1440, 96, 96}, Case{1215, 96, 81}, Case{1215, 144, 122},
                        Case{1700, 144, 170}, Case{8, 96, 1}, Case{7, 96, 0}, Case{0, 120, 0}}) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
  }
}

TEST(Geometry, NeighboursStayFlushAtOddDpi) {
  // Edges are scaled, so a control's right edge is its neighbour's left edge at any DPI.
  const PixelRect a = ToPixels({0, 0, 1215, 495}, 120), b = ToPixels({1215, 0, 1215, 495}, 120);
  EXPECT_EQ(a.left + a.width, b.left);
  EXPECT_EQ(ToPixels({7200, 6120, 1215, 495}, 144), (PixelRect{720, 612, 122, 50}));
}

TEST(Geometry, FontHeightsInPixels) {
  EXPECT_EQ(FontPixelHeight(8.25, 96), 11);
  EXPECT_EQ(FontPixelHeight(18, 96), 24);
  EXPECT_EQ(FontPixelHeight(8.25, 144), 17);
}

}  // namespace
}  // namespace velmora
