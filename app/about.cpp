#include "app/about.h"

#include "app/identity.h"
#include "app/sys_info.h"
#include "assets/asset_ids.h"

namespace velmora {

FormDescription DescribeAbout() {
  FormDescription form;
  form.name = "frmAbout";
  form.caption = "About";  // completed by Load
  form.clientWidth = 5730;
  form.clientHeight = 3555;
  form.border = Border::FixedDialog;
  form.controlBox = true;
  form.startPosition = StartPosition::CenterOwner;
  form.showInTaskbar = false;
  form.icon = IconSize::Small;
  form.font = ComicSans();
  using K = ControlKind;
  // clang-format off
  form.controls = {
    {.name = "picIcon",        .kind = K::PictureBox, .rect = {240, 240, 540, 540}, .autoSize = true,
     .picture = assets::kSmallIcon},
    {.name = "cmdOK",          .kind = K::Button, .rect = {4245, 2625, 1260, 345}, .caption = "OK",
     .cancel = true, .isDefault = true},
    {.name = "cmdSysInfo",     .kind = K::Button, .rect = {4260, 3075, 1245, 345}, .caption = "&System Info..."},
    {.name = "Line1(1)",       .kind = K::Line,   .rect = {90, 2445, 5654, 2445}, .color = 0x808080, .lineWidth = 1},
    {.name = "lblDescription", .kind = K::Label,  .rect = {1050, 1125, 3885, 1170},
     .caption = "Velmora Bellin Edition provides parents and children the ability to easily put the favorite "
                "Bellin website links on their desktop, favorites menu and start menu. It also allows "
                "customization of the I.E. Desktop and I.E. Home Page.", .wordWrap = true},
    {.name = "lblTitle",       .kind = K::Label,  .rect = {1050, 240, 3885, 480}},
    {.name = "Line1(0)",       .kind = K::Line,   .rect = {105, 2460, 5654, 2460}, .color = 0xFFFFFF, .lineWidth = 2},
    {.name = "lblVersion",     .kind = K::Label,  .rect = {1050, 780, 3885, 225}},
    {.name = "lblDisclaimer",  .kind = K::Label,  .rect = {255, 2625, 3870, 825},
     .caption = "Warning: this program is protected by copyright law. \xA9 2026 Velmora. All rights reserved. "
                "Patent pending. Velmora is a trademark of Velmora.", .wordWrap = true},
  };
  // clang-format on
  form.tabOrder = {"cmdOK", "cmdSysInfo"};
  form.focus = "cmdOK";
  return form;
}

namespace {

class AboutHandlers : public FormHandlers {
 public:
  explicit AboutHandlers(const Ports& ports) : ports_(ports) {}

  void Load(FormSurface& form) override {
    form.SetTitle("About " + std::string(kAppTitle));
    form.SetCaption("lblVersion", VersionText());
    form.SetCaption("lblTitle", std::string(kAppTitle));
  }

  void Click(std::string_view control, FormSurface& form) override {
    if (control == "cmdOK") form.Close();
    if (control == "cmdSysInfo") StartSysInfo(ports_);
  }

 private:
  Ports ports_;
};

}  // namespace

std::unique_ptr<FormHandlers> MakeAboutHandlers(const Ports& ports) { return std::make_unique<AboutHandlers>(ports); }

}  // namespace velmora
