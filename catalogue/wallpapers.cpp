#include "catalogue/wallpapers.h"

#include <algorithm>
#include <array>

#include "assets/asset_ids.h"

namespace velmora {
namespace {

constexpr int Thumb(int index) { return assets::kFirstThumbnail + index; }

// clang-format off
constexpr std::array<WallpaperChoice, 24> kWallpapers{{
  {"basketballs", "basketballs",   {0, 0}, 80, Thumb(0)},
  {"golf",        "golf",          {1, 0}, 80, Thumb(1)},
  {"nascar3",     "nascar3",       {2, 0}, 85, Thumb(2)},
  {"soccer2",     "soccer 2",      {3, 0}, 80, Thumb(3)},
  {"blackhawks",  "blackhawks",    {0, 1}, 80, Thumb(4)},
  {"hockey",      "hockey",        {1, 1}, 80, Thumb(5)},
  {"nascar4",     "nascar4",       {2, 1}, 80, Thumb(6)},
  {"stlouisrams", "st louis rams", {3, 1}, 80, Thumb(7)},
  {"maribet",     "maribet",       {0, 2}, 75, Thumb(8)},
  {"pellam",      "pellam",        {1, 2}, 80, Thumb(9)},
  {"nascar",      "nascar",        {2, 2}, 80, Thumb(10)},
  {"kdorran",     "k. dorran",     {3, 2}, 75, Thumb(11)},
  {"durnik",      "durnik",        {0, 3}, 80, Thumb(12)},
  {"brask",       "brask",         {1, 3}, 80, Thumb(13)},
  {"padres",      "padres",        {2, 3}, 80, Thumb(14)},
  {"theanvil",    "the anvil",     {3, 3}, 80, Thumb(15)},
  {"fathers",     "fathers",       {0, 4}, 80, Thumb(16)},
  {"oswincarrow", "oswin carrow",  {1, 4}, 80, Thumb(17)},
  {"gamwell",     "g. amwell",     {2, 4}, 75, Thumb(18)},
  {"halvern",     "halvern",       {3, 4}, 80, Thumb(19)},
  {"golf2",       "golf 2",        {0, 5}, 80, Thumb(20)},
  {"nascar2",     "nascar2",       {1, 5}, 80, Thumb(21)},
  {"vodrina",     "vodrina",       {2, 5}, 75, Thumb(22)},
  {"yankees",     "yankees",       {3, 5}, 80, Thumb(23)},
}};
// clang-format on

}  // namespace

std::span<const WallpaperChoice> Wallpapers() { return kWallpapers; }

const WallpaperChoice* FindWallpaper(std::string_view controlName) {
  const auto it = std::find_if(kWallpapers.begin(), kWallpapers.end(),
                               [&](const WallpaperChoice& w) { return w.controlName == controlName; });
  return it == kWallpapers.end() ? nullptr : &*it;
}

std::string WallpaperPath(const WallpaperChoice& choice) { return std::string(kWallpaperFolder) + choice.FileName(); }

}  // namespace velmora
