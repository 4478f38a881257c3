#include "ui/picture_window.h"

#include <array>

#include "catalogue/sites.h"
#include "catalogue/wallpapers.h"

namespace velmora {

TwipsRect PictureButtonRect(int originLeft, int originTop, GridCell cell) {
  static constexpr std::array<int, kGridColumns> kColumnOffsets{0, 2520, 5040, 7440};
  return {originLeft + kColumnOffsets.at(cell.column), originTop + 960 * cell.row, kPictureButtonWidth,
          kPictureButtonHeight};
}

FormDescription DescribePictureWindow(const PictureWindowLayout& layout, std::span<const PictureButtonRow> rows) {
  FormDescription form;
  form.name = layout.name;
  form.caption = layout.caption;
  form.clientWidth = 10080;
  form.clientHeight = 7335;
  form.border = Border::FixedSingle;
  form.startPosition = StartPosition::CenterOwner;
  form.icon = IconSize::Large;
  form.font = ComicSans();
  form.controls.push_back(
      {.name = layout.frameName, .kind = ControlKind::Frame, .rect = layout.frame, .caption = layout.frameCaption});
  for (const PictureButtonRow& row : rows) {
    form.controls.push_back({.name = std::string(row.controlName),
                             .kind = ControlKind::PictureButton,
                             .container = layout.frameName,
                             .rect = PictureButtonRect(layout.gridLeft, layout.gridTop, row.cell),
                             .caption = std::string(row.caption),
                             .font = ComicSans(true),
                             .tooltip = std::string(row.caption),
                             .picture = row.picture});
  }
  form.controls.push_back({.name = "frameOKCancel", .kind = ControlKind::Frame, .rect = layout.okCancelFrame,
                           .font = layout.okCancelFrameFont});
  const std::string buttonContainer = layout.buttonsInOkCancelFrame ? "frameOKCancel" : "";
  form.controls.push_back({.name = "btnOK", .kind = ControlKind::Button, .container = buttonContainer,
                           .rect = {layout.okLeft, layout.okTop, kCommandButtonWidth, kCommandButtonHeight},
                           .caption = layout.okCaption, .tooltip = "OK"});
  form.controls.push_back(
      {.name = "btnCancel", .kind = ControlKind::Button, .container = buttonContainer,
       .rect = {layout.okLeft + kCancelOffset, layout.okTop, kCommandButtonWidth, kCommandButtonHeight},
       .caption = "Cancel", .tooltip = "Cancel", .cancel = true});
  form.tabOrder = layout.tabOrder;
  form.focus = layout.focus;
  return form;
}

std::vector<PictureButtonRow> SiteButtonRows() {
  std::vector<PictureButtonRow> rows;
  for (const SiteLink& site : Sites()) rows.push_back({site.controlName, site.caption, site.cell, site.picture});
  return rows;
}

std::vector<PictureButtonRow> WallpaperButtonRows() {
  std::vector<PictureButtonRow> rows;
  for (const WallpaperChoice& w : Wallpapers()) rows.push_back({w.controlName, w.caption, w.cell, w.thumbnail});
  return rows;
}

void PictureWindowHandlers::Click(std::string_view control, FormSurface& form) {
  if (control == "btnOK" || control == "btnCancel") {
    form.Close();
  } else {
    PictureClick(control);
  }
}

}  // namespace velmora
