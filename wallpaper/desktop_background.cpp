#include "wallpaper/desktop_background.h"

#include "app/identity.h"
#include "catalogue/wallpapers.h"
#include "platform/text.h"
#include "ui/picture_window.h"

namespace velmora {

FormDescription DescribeDesktopBackground() {
  const std::vector<PictureButtonRow> rows = WallpaperButtonRows();
  return DescribePictureWindow(
      {.name = "frmDesktopBackground",
       .caption = "Desktop Background",
       .frameName = "frmDesktopBackground",
       .frameCaption =
           "Desktop Background - Click on button picture to change the background image of your desktop.",
       .frame = {240, 120, 9615, 6015},
       .gridLeft = 240,
       .gridTop = 240,
       .okCancelFrame = {240, 6240, 9615, 855},
       .okLeft = 6840,
       .okTop = 240,
       .okCaption = " OK",
       .tabOrder = {"nascar",  "nascar3",     "nascar4", "yankees",     "gamwell", "kdorran",    "theanvil",
                    "golf",    "soccer2",     "halvern", "stlouisrams", "vodrina", "nascar2",    "oswincarrow",
                    "brask",   "pellam",      "hockey",  "golf2",       "fathers", "maribet",    "blackhawks",
                    "basketballs", "durnik",  "padres",  "btnOK",       "btnCancel"},
       .focus = "nascar"},
      rows);
}

namespace {

class DesktopBackgroundHandlers : public PictureWindowHandlers {
 public:
  explicit DesktopBackgroundHandlers(const Ports& ports) : ports_(ports) {}

 protected:
  void PictureClick(std::string_view control) override {
    const WallpaperChoice* choice = FindWallpaper(control);
    if (!choice) return;
    const std::string path = WallpaperPath(*choice);
    const std::wstring picture = L"the picture \"" + Widen(choice->caption) + L"\" (" + Widen(path) + L")";
    try {
      // A missing picture would leave the desktop blank: check first, and keep the current one.
      if (!ports_.files.IsOrdinaryFile(Widen(path))) {
        Tell(L"Could not use " + picture + L": the file was not found. Your desktop background was not changed.");
      } else if (!ports_.wallpaper.SystemParametersInfo(kSpiSetDeskWallpaper, 0, path, kSpifUpdateIniFile)) {
        Tell(L"Windows could not make " + picture + L" your desktop background.");
      }
    } catch (const OsError& error) {
      Tell(L"Could not use " + picture + L": " + error.reason());
    }
  }

 private:
  void Tell(const std::wstring& text) { ports_.messages.Show(text, Widen(kAppTitle), MessageKind::Warning); }
  Ports ports_;
};

}  // namespace

std::unique_ptr<FormHandlers> MakeDesktopBackgroundHandlers(const Ports& ports) {
  return std::make_unique<DesktopBackgroundHandlers>(ports);
}

}  // namespace velmora
