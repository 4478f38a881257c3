#include "shortcuts/shortcut_windows.h"

#include <string>
#include <vector>

#include "catalogue/sites.h"
#include "shortcuts/internet_shortcut.h"
#include "ui/picture_window.h"

namespace velmora {
namespace {

// The Tab order of the site buttons after ESPNNFL, the same in the three windows.
std::vector<std::string> SiteTabOrder() {
  return {"PGACOM",     "ESPNMLB",  "NFLCOM",   "SIcomNFL",   "MLBCOM",    "SIcomMLB",
          "NBACOM",     "SIcomNBA", "ESPNNHL",  "NHLCOM",     "ESPNNASCAR", "USSoccer",
          "Indy500",    "SIcomCollegeFootball", "ESPNTennis", "ESPNNBA",   "HBOBoxing",
          "ESPNBoxing", "ESPNSoccer", "SIcomKids", "SIcomNASCAR", "NASCARCOM", "ESPNGolf"};
}

std::vector<std::string> Join(std::vector<std::string> head, const std::vector<std::string>& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

FormDescription Describe(const PictureWindowLayout& layout) {
  const std::vector<PictureButtonRow> rows = SiteButtonRows();
  return DescribePictureWindow(layout, rows);
}

class ShortcutWindowHandlers : public PictureWindowHandlers {
 public:
  ShortcutWindowHandlers(const Ports& ports, std::string_view folderName) : ports_(ports), folderName_(folderName) {}

 protected:
  void PictureClick(std::string_view control) override {
    if (const SiteLink* site = FindSite(control)) AddInternetShortcut(ports_, folderName_, site->caption, site->address);
  }

 private:
  Ports ports_;
  std::string folderName_;
};

}  // namespace

FormDescription DescribeStartMenu() {
  return Describe({.name = "frmStartMenu",
                   .caption = "Start Menu",
                   .frameName = "lblStartMenu",
                   .frameCaption = "Start Menu - Click on Button Picture to Add Shortcut to the Start Menu",
                   .frame = {120, 120, 9855, 6375},
                   .gridLeft = 360,
                   .gridTop = 480,
                   .okCancelFrame = {120, 6480, 9855, 855},
                   .buttonsInOkCancelFrame = false,
                   .okLeft = 7320,
                   .okTop = 6720,
                   .okCaption = "OK",
                   .tabOrder = Join({"btnCancel", "btnOK", "ESPNNFL"}, SiteTabOrder()),
                   .focus = "btnCancel"});
}

FormDescription DescribeDesktopShortcuts() {
  return Describe({.name = "frmDesktopShortcuts",
                   .caption = "Desktop Shortcuts",
                   .frameName = "frameDesktop",
                   .frameCaption = "Desktop - Click on picture button to add shortcut to your Desktop",
                   .frame = {120, 120, 9735, 6135},
                   .gridLeft = 240,
                   .gridTop = 360,
                   .okCancelFrame = {120, 6240, 9735, 975},
                   .okLeft = 7080,
                   .okTop = 240,
                   .okCaption = " OK",
                   .tabOrder = Join(Join({"btnCancel", "btnOK"}, SiteTabOrder()), {"ESPNNFL"}),
                   .focus = "btnCancel"});
}

FormDescription DescribeFavoritesMenu() {
  return Describe({.name = "frmFavoritesMenu",
                   .caption = "Favorites",
                   .frameName = "frameFavorites",
                   .frameCaption = "Favorites - Click on picture button to add shortcuts to your Favorites.",
                   .frame = {120, 120, 9855, 6375},
                   .gridLeft = 360,
                   .gridTop = 480,
                   .okCancelFrame = {120, 6480, 9855, 855},
                   .okCancelFrameFont = MsSansSerif(),
                   .okLeft = 7200,
                   .okTop = 240,
                   .okCaption = " OK",
                   .tabOrder = Join(Join({"btnOK", "btnCancel"}, SiteTabOrder()), {"ESPNNFL"}),
                   .focus = "btnOK"});
}

std::unique_ptr<FormHandlers> MakeShortcutWindowHandlers(const Ports& ports, std::string_view folderName) {
  return std::make_unique<ShortcutWindowHandlers>(ports, folderName);
}

}  // namespace velmora
