#pragma once
// Resource ids of the pictures built into the program (see assets/velmora.rc).
namespace velmora::assets {

constexpr int kLargeIcon = 1;
constexpr int kSmallIcon = 2;
constexpr int kSplashLogo = 100;
constexpr int kFirstSiteLogo = 1000;  // + the site's index in cell order
constexpr int kFirstThumbnail = 2000;  // + the wallpaper's index in cell order

}  // namespace velmora::assets
