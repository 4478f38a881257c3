// The committed pictures: the formats and byte sizes the program is made to carry.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "catalogue/sites.h"
#include "catalogue/wallpapers.h"

namespace velmora {
namespace {

std::vector<std::uint8_t> Read(const std::string& name) {
  std::ifstream in(std::string(VELMORA_ASSETS) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | b[at + 1] << 8; }

struct Bmp {
  std::uint32_t fileSize, width, height, compression, xPerMetre;
  std::uint16_t bits;
};

Bmp Header(const std::vector<std::uint8_t>& b) {
  EXPECT_GE(b.size(), 54u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(U32(b, 14), 40u);  // BITMAPINFOHEADER
  return {U32(b, 2), U32(b, 18), U32(b, 22), U32(b, 30), U32(b, 38), U16(b, 28)};
}

TEST(Assets, WallpaperThumbnailsAre32BitUncompressedAt3780PixelsAMetre) {
  for (const WallpaperChoice& w : Wallpapers()) {
    const auto bytes = Read("thumbnails/" + std::string(w.controlName) + ".bmp");
    const Bmp h = Header(bytes);
    EXPECT_EQ(h.width, static_cast<std::uint32_t>(w.thumbnailWidth)) << w.controlName;
    EXPECT_EQ(h.height, 60u);
    EXPECT_EQ(h.bits, 32);
    EXPECT_EQ(h.compression, 0u);
    EXPECT_EQ(h.xPerMetre, 3780u);
    const std::size_t expected = w.thumbnailWidth == 80 ? 19254 : w.thumbnailWidth == 75 ? 18054 : 20454;
    EXPECT_EQ(bytes.size(), expected) << w.controlName;
    EXPECT_EQ(h.fileSize, expected);
  }
}

TEST(Assets, SiteLogosHaveTheirRowsSizes) {
  for (const SiteLink& site : Sites()) {
    const Bmp h = Header(Read("sites/" + std::string(site.controlName) + ".bmp"));
    EXPECT_EQ(h.width, static_cast<std::uint32_t>(site.pictureWidth)) << site.controlName;
    EXPECT_EQ(h.height, static_cast<std::uint32_t>(site.pictureHeight)) << site.controlName;
    EXPECT_EQ(h.bits, 24);
  }
}

TEST(Assets, SplashLogoAndIcons) {
  const auto logo = Read("splash-logo.bmp");
  EXPECT_EQ(logo.size(), 67854u);
  const Bmp h = Header(logo);
  EXPECT_EQ(h.width, 150u);
  EXPECT_EQ(h.height, 150u);
  EXPECT_EQ(h.bits, 24);
  struct Icon {
    const char* file;
    std::size_t bytes;
    std::uint8_t size;
  };
  for (const Icon& icon : {Icon{"icon-small.ico", 3262, 32}, Icon{"icon-large.ico", 12862, 64}}) {
    const auto b = Read(icon.file);
    EXPECT_EQ(b.size(), icon.bytes) << icon.file;
    EXPECT_EQ(U16(b, 2), 1);  // an icon
    EXPECT_EQ(U16(b, 4), 1);  // one image
    EXPECT_EQ(b[6], icon.size);
    EXPECT_EQ(b[7], icon.size);
    EXPECT_EQ(U16(b, 12), 24);  // bits per pixel
  }
}

}  // namespace
}  // namespace velmora
