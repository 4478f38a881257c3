// Draws the program's pictures (icons, splash logo, site logos, wallpaper thumbnails) from code,
// and, for trying the program out, the 24 full-size wallpapers it expects to find on a machine.
//   assetgen ASSETS_DIR              writes the pictures and assets.rc into ASSETS_DIR
//   assetgen --wallpapers DIR        writes the 24 wallpaper bitmaps into DIR
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "assets/asset_ids.h"
#include "catalogue/sites.h"
#include "catalogue/wallpapers.h"
#include "tools/assetgen/image.h"

using assetgen::Image;
using assetgen::Rgb;
namespace fs = std::filesystem;

namespace {

const Rgb kWhite{255, 255, 255};
const Rgb kShadow{20, 20, 20};

struct TileStyle {
  const char* label;  // '|' splits lines
  Rgb colour;
};

// Our own lettering on a coloured tile: a reminder of the site, not its logo.
const std::map<std::string_view, TileStyle> kTiles = {
    {"ESPNNFL", {"ESPN|NFL", {200, 16, 46}}},        {"ESPNNBA", {"ESPN|NBA", {200, 16, 46}}},
    {"NASCARCOM", {"NASCAR.COM", {226, 150, 0}}},    {"ESPNTennis", {"ESPN|TENNIS", {200, 16, 46}}},
    {"NFLCOM", {"NFL|.COM", {1, 51, 105}}},          {"NBACOM", {"NBA|.COM", {29, 66, 138}}},
    {"SIcomNASCAR", {"SI.COM NASCAR", {0, 82, 155}}}, {"Indy500", {"INDY|500", {0, 120, 60}}},
    {"SIcomNFL", {"SI.COM|NFL", {0, 82, 155}}},      {"SIcomNBA", {"SI.COM|NBA", {0, 82, 155}}},
    {"ESPNGolf", {"ESPN|GOLF", {200, 16, 46}}},      {"ESPNBoxing", {"ESPN|BOXING", {200, 16, 46}}},
    {"ESPNMLB", {"ESPN|MLB", {200, 16, 46}}},        {"ESPNNHL", {"ESPN|NHL", {200, 16, 46}}},
    {"PGACOM", {"PGA|.COM", {0, 40, 85}}},           {"HBOBoxing", {"HBO|BOXING", {25, 25, 25}}},
    {"MLBCOM", {"MLB.COM", {0, 45, 114}}},           {"NHLCOM", {"NHL|.COM", {40, 40, 40}}},
    {"ESPNSoccer", {"ESPN SOCCER", {200, 16, 46}}},  {"SIcomCollegeFootball", {"SI.COM CFB", {0, 82, 155}}},
    {"SIcomMLB", {"SI.COM|MLB", {0, 82, 155}}},      {"ESPNNASCAR", {"ESPN|NASCAR", {200, 16, 46}}},
    {"USSoccer", {"US|SOCCER", {178, 34, 52}}},      {"SIcomKids", {"SI KIDS", {0, 150, 200}}},
};

Rgb Mix(Rgb a, Rgb b, double t) {
  auto m = [t](int x, int y) { return static_cast<std::uint8_t>(std::lround(x + (y - x) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Image SiteTile(const velmora::SiteLink& site) {
  const TileStyle& style = kTiles.at(site.controlName);
  Image image(site.pictureWidth, site.pictureHeight);
  for (int y = 0; y < image.height(); ++y)
    image.FillRect(0, y, image.width(), 1, Mix(style.colour, {0, 0, 0}, 0.35 * y / image.height()));
  image.Frame(0, 0, image.width(), image.height(), Mix(style.colour, {0, 0, 0}, 0.5));
  image.CentredText(style.label, kWhite, kShadow);
  return image;
}

// A little scene: sky, a playing field, a ball, and the picture's name.
Image Scene(std::string_view name, int width, int height) {
  unsigned hash = 2166136261u;
  for (char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  const Rgb skyTop{static_cast<std::uint8_t>(40 + hash % 60), static_cast<std::uint8_t>(90 + (hash >> 8) % 80), 210};
  const Rgb field{static_cast<std::uint8_t>(30 + (hash >> 16) % 90), static_cast<std::uint8_t>(120 + (hash >> 4) % 80),
                  static_cast<std::uint8_t>(40 + (hash >> 12) % 50)};
  Image image(width, height);
  const int horizon = height * 3 / 5;
  for (int y = 0; y < height; ++y) {
    const Rgb c = y < horizon ? Mix(skyTop, kWhite, 0.7 * y / horizon) : Mix(field, {0, 0, 0}, 0.4 * (y - horizon) / (height - horizon));
    image.FillRect(0, y, width, 1, c);
  }
  const int r = height / 6, cx = width / 4 + static_cast<int>(hash % (width / 2)), cy = horizon - r / 2;
  for (int y = -r; y <= r; ++y)
    for (int x = -r; x <= r; ++x)
      if (x * x + y * y <= r * r) image.Set(cx + x, cy + y, (x * x + y * y > (r - 2) * (r - 2)) ? kShadow : Rgb{250, 120, 30});
  Image label(width, height / 3);
  const std::string text(name);
  const int scale = std::max(1, std::min((width - 8) / std::max(1, Image::TextWidth(text, 1)), height / 30));
  const int x = (width - Image::TextWidth(text, scale)) / 2, y = height - 9 * scale - 2;
  image.Text(x + 1, y + 1, text, scale, kShadow);
  image.Text(x, y, text, scale, kWhite);
  return image;
}

Image Monogram(int size) {
  Image image(size, size);
  for (int y = 0; y < size; ++y) image.FillRect(0, y, size, 1, Mix({20, 70, 170}, {0, 170, 170}, 1.0 * y / size));
  image.Frame(0, 0, size, size, {10, 40, 100});
  const int scale = std::max(1, size * 7 / 10 / 7);
  const int x = (size - 5 * scale) / 2, y = (size - 7 * scale) / 2;
  image.Text(x + std::max(1, scale / 3), y + std::max(1, scale / 3), "V", scale, kShadow);
  image.Text(x, y, "V", scale, {255, 215, 0});
  return image;
}

void Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  fs::create_directories(path.parent_path());
  assetgen::WriteFile(path.string(), bytes);
}

void WriteAssets(const fs::path& dir) {
  namespace ids = velmora::assets;
  std::string rc = "// Written by tools/assetgen: the pictures built into the program.\n";
  auto add = [&rc](int id, const char* type, const std::string& file) {
    rc += std::to_string(id) + " " + type + " \"" + file + "\"\n";
  };
  Write(dir / "icon-large.ico", assetgen::Ico(Monogram(64)));
  Write(dir / "icon-small.ico", assetgen::Ico(Monogram(32)));
  Write(dir / "splash-logo.bmp", assetgen::Bmp(Monogram(150), 24));
  add(ids::kLargeIcon, "ICON", "icon-large.ico");
  add(ids::kSmallIcon, "ICON", "icon-small.ico");
  add(ids::kSplashLogo, "BITMAP", "splash-logo.bmp");
  for (const velmora::SiteLink& site : velmora::Sites()) {
    const std::string file = "sites/" + std::string(site.controlName) + ".bmp";
    Write(dir / file, assetgen::Bmp(SiteTile(site), 24));
    add(site.picture, "BITMAP", file);
  }
  for (const velmora::WallpaperChoice& w : velmora::Wallpapers()) {
    const std::string file = "thumbnails/" + std::string(w.controlName) + ".bmp";
    Write(dir / file, assetgen::Bmp(Scene(w.caption, w.thumbnailWidth, velmora::kThumbnailHeight), 32));
    add(w.thumbnail, "BITMAP", file);
  }
  std::FILE* out = std::fopen((dir / "assets.rc").string().c_str(), "w");
  if (!out) throw std::runtime_error("cannot write assets.rc");
  std::fputs(rc.c_str(), out);
  std::fclose(out);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 3 && std::string(argv[1]) == "--wallpapers") {
      for (const velmora::WallpaperChoice& w : velmora::Wallpapers())
        Write(fs::path(argv[2]) / w.FileName(), assetgen::Bmp(Scene(w.caption, 640, 480), 24));
      return 0;
    }
    if (argc == 2) {
      WriteAssets(argv[1]);
      return 0;
    }
    std::fprintf(stderr, "usage: assetgen ASSETS_DIR | assetgen --wallpapers DIR\n");
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "assetgen: %s\n", e.what());
    return 1;
  }
}
