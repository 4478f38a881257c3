#pragma once
#include <span>
#include <string_view>

#include "catalogue/grid.h"

namespace velmora {

struct SiteLink {
  std::string_view controlName;
  std::string_view caption;  // also the tooltip and the shortcut's file name
  std::string_view address;
  GridCell cell;
  int pictureWidth;
  int pictureHeight;
  int picture;  // resource id of the logo

  std::string_view tooltip() const { return caption; }
};

std::span<const SiteLink> Sites();  // the 24 rows in cell order
const SiteLink* FindSite(std::string_view controlName);

}  // namespace velmora
