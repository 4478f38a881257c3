#pragma once
#include <span>
#include <string>
#include <string_view>

#include "catalogue/grid.h"

namespace velmora {

struct WallpaperChoice {
  std::string_view controlName;  // also the bitmap's base name
  std::string_view caption;      // also the tooltip
  GridCell cell;
  int thumbnailWidth;  // pixels; every thumbnail is 60 high
  int thumbnail;       // resource id

  std::string_view tooltip() const { return caption; }
  std::string FileName() const { return std::string(controlName) + ".bmp"; }
};

constexpr int kThumbnailHeight = 60;
constexpr std::string_view kWallpaperFolder = "C:\\share\\Velmora\\Varro\\backgrounds\\";

std::span<const WallpaperChoice> Wallpapers();  // the 24 rows in cell order
const WallpaperChoice* FindWallpaper(std::string_view controlName);
std::string WallpaperPath(const WallpaperChoice& choice);

}  // namespace velmora
