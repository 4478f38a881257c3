#include "app/splash.h"

#include "app/identity.h"
#include "assets/asset_ids.h"

namespace velmora {

TwipsRect LogoTile(int index) {
  // Two arms of eight tiles from the top corners of the monogram box (720, 1080)-(5295, 3195),
  // stepping down to its bottom middle, where they meet.
  const int step = index % 8;
  const int left = index < 8 ? 720 + 240 * step : 4560 - 240 * step;
  return {left, 1080 + 180 * step, 735, 675};
}

FormDescription DescribeSplash() {
  FormDescription form;
  form.name = "frmSplash";
  form.caption = "";
  form.clientWidth = 7380;
  form.clientHeight = 4245;
  form.border = Border::FixedDialog;
  form.titleBar = false;
  form.controlBox = false;
  form.startPosition = StartPosition::CenterScreen;
  form.showInTaskbar = false;
  form.keyPreview = true;
  form.icon = IconSize::Small;
  form.font = ComicSans();
  // clang-format off
  form.controls = {
    {.name = "Frame1", .kind = ControlKind::Frame, .rect = {150, 60, 7080, 4050}},
    {.name = "btnOK", .kind = ControlKind::Button, .rect = {5760, 3360, 1215, 495}, .caption = "&OK",
     .font = ComicSans(), .cancel = true},
    {.name = "lblProductName", .kind = ControlKind::Label, .container = "Frame1", .rect = {600, 360, 5445, 525},
     .font = Font{"Comic Sans MS", 18, true}, .autoSize = true},
    {.name = "lblCopyright", .kind = ControlKind::Label, .container = "Frame1", .rect = {5640, 1920, 1335, 255},
     .caption = "\xA9 2026 Velmora", .font = ComicSans()},
    {.name = "lblPlatform", .kind = ControlKind::Label, .container = "Frame1", .rect = {5445, 2280, 1410, 435},
     .caption = "Windows", .font = Font{"Comic Sans MS", 15.75, false}, .align = Align::Right, .autoSize = true},
    {.name = "lblVersion", .kind = ControlKind::Label, .container = "Frame1", .rect = {6525, 2700, 330, 285},
     .font = Font{"Arial", 12, true}, .align = Align::Right, .autoSize = true},
    {.name = "lblWarning", .kind = ControlKind::Label, .container = "Frame1", .rect = {150, 3660, 6855, 315},
     .caption = "All rights reserved. Patent pending.", .font = ComicSans()},
  };
  // clang-format on
  for (int i = 0; i < 16; ++i) {
    form.controls.push_back({.name = "imgLogo(" + std::to_string(i) + ")", .kind = ControlKind::Image,
                             .container = "Frame1", .rect = LogoTile(i), .picture = assets::kSplashLogo});
  }
  form.tabOrder = {"btnOK"};
  form.focus = "btnOK";
  return form;
}

namespace {

class SplashHandlers : public FormHandlers {
 public:
  explicit SplashHandlers(Opener& opener) : opener_(opener) {}

  void Load(FormSurface& form) override {
    form.SetCaption("lblVersion", VersionText());
    form.SetCaption("lblProductName", std::string(kAppTitle));
  }

  void Click(std::string_view control, FormSurface& form) override {
    if (control != "btnOK") return;
    opener_.Open(FormId::Main);  // first, so that a window stays open when the splash goes
    form.Close();
  }

  bool KeyPress(char, FormSurface& form) override {
    form.Close();
    return true;
  }

 private:
  Opener& opener_;
};

}  // namespace

std::unique_ptr<FormHandlers> MakeSplashHandlers(Opener& opener) { return std::make_unique<SplashHandlers>(opener); }

}  // namespace velmora
