#pragma once
// The frame every picture window shares: a captioned frame holding a 4 x 6 grid of picture
// buttons, and OK and Cancel that only close the window. Each window gives its own values.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/grid.h"
#include "ui/form.h"

namespace velmora {

constexpr int kPictureButtonWidth = 1700;
constexpr int kPictureButtonHeight = 650;
constexpr int kCommandButtonWidth = 1215;
constexpr int kCommandButtonHeight = 495;
constexpr int kCancelOffset = 1320;  // Cancel stands this far right of OK

// The button of a cell, inside the picture frame, for a grid whose first button is at origin.
TwipsRect PictureButtonRect(int originLeft, int originTop, GridCell cell);

struct PictureButtonRow {
  std::string_view controlName;
  std::string_view caption;  // also the tooltip
  GridCell cell;
  int picture;
};

struct PictureWindowLayout {
  std::string name;
  std::string caption;
  std::string frameName;
  std::string frameCaption;
  TwipsRect frame;
  int gridLeft = 0, gridTop = 0;
  TwipsRect okCancelFrame;
  std::optional<Font> okCancelFrameFont;
  bool buttonsInOkCancelFrame = true;  // else OK and Cancel stand on the window, over the frame
  int okLeft = 0, okTop = 0;
  std::string okCaption;
  std::vector<std::string> tabOrder;
  std::string focus;
};

FormDescription DescribePictureWindow(const PictureWindowLayout& layout, std::span<const PictureButtonRow> rows);

std::vector<PictureButtonRow> SiteButtonRows();
std::vector<PictureButtonRow> WallpaperButtonRows();

// Closes on OK and Cancel; passes a picture's click on by its control name.
class PictureWindowHandlers : public FormHandlers {
 public:
  void Click(std::string_view control, FormSurface& form) final;

 protected:
  virtual void PictureClick(std::string_view control) = 0;
};

}  // namespace velmora
