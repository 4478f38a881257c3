#include "app/main_window.h"

#include <map>

#include "app/identity.h"

namespace velmora {

FormDescription DescribeMainWindow() {
  FormDescription form;
  form.name = "Form1";
  form.caption = "Velmora - Varro Edition";
  form.clientWidth = 9930;
  form.clientHeight = 6885;
  form.border = Border::Sizable;
  form.minButton = true;
  form.maxButton = false;
  form.startPosition = StartPosition::CenterScreen;
  form.showInTaskbar = true;
  form.icon = IconSize::Large;
  form.font = ComicSans();
  using K = ControlKind;
  // clang-format off
  form.controls = {
    {.name = "frameOptions",         .kind = K::Frame,  .rect = {120, 120, 9735, 5655},   .caption = "Velmora Options"},
    {.name = "Label",                .kind = K::Label,  .container = "frameOptions", .rect = {240, 360, 9255, 1095},
     .caption = std::string(kMainDescription), .wordWrap = true},
    {.name = "Frame1",               .kind = K::Frame,  .container = "frameOptions", .rect = {240, 1080, 4500, 4335},
     .caption = "Desktop"},
    {.name = "btnDesktopShortcuts",  .kind = K::Button, .container = "Frame1", .rect = {360, 1800, 3615, 855},
     .caption = "Desktop &Shortcuts..."},
    {.name = "btnStartMenu",         .kind = K::Button, .container = "Frame1", .rect = {360, 3120, 3615, 855},
     .caption = "Start &Menu..."},
    {.name = "btnDesktopBackground", .kind = K::Button, .rect = {720, 1800, 3615, 855},
     .caption = "Desktop &Background..."},
    {.name = "frameBrowserOptions",  .kind = K::Frame,  .rect = {5160, 1200, 4433, 4335}, .caption = "I.E. Browser"},
    {.name = "btnHomePage",          .kind = K::Button, .container = "frameBrowserOptions", .rect = {360, 600, 3615, 855},
     .caption = "Home &Page..."},
    {.name = "btnFavoritesMenu",     .kind = K::Button, .container = "frameBrowserOptions", .rect = {360, 1800, 3615, 855},
     .caption = "F&avorites Menu"},
    {.name = "frameOKCancel",        .kind = K::Frame,  .rect = {120, 5880, 9735, 855},   .font = MsSansSerif()},
    {.name = "btnOK",                .kind = K::Button, .rect = {7200, 6120, 1215, 495},  .caption = "&OK"},
    {.name = "btnCancel",            .kind = K::Button, .rect = {8520, 6120, 1215, 495},  .caption = "&Cancel",
     .cancel = true},
  };
  form.tabOrder = {"btnOK", "btnCancel", "btnDesktopBackground", "btnDesktopShortcuts", "btnHomePage",
                   "btnFavoritesMenu", "btnStartMenu"};
  form.focus = "btnOK";
  form.menus = {
    {"File", "&File", {{"Close", "&Close", {true, "F4"}}}},
    {"VelmoraOptions", "&Velmora Options", {
      {"DesktopBackground", "Desktop &Background", {true, "B"}},
      {"DesktopShortcuts",  "Desktop &Shortcuts",  {true, "S"}},
      {"FavoritesMenu",     "&Favorites Menu",     {true, "A"}},
      {"IEHomePage",        "I.E. &Home Page",     {true, "P"}},
      {"StartMenu",         "Start &Menu",         {true, "M"}},
    }},
    {"Help", "&Help", {
      {"AboutVelmora",   "Ab&out Velmora",   {true, "O"}},
      {"VelmoraWebsite", "&Velmora Website", {true, "K"}},
    }},
  };
  // clang-format on
  return form;
}

namespace {

class MainWindowHandlers : public FormHandlers {
 public:
  MainWindowHandlers(Opener& opener, Shell& shell) : opener_(opener), shell_(shell) {}

  void Click(std::string_view control, FormSurface& form) override {
    static const std::map<std::string_view, FormId> kOpens = {
        {"btnDesktopBackground", FormId::DesktopBackground}, {"DesktopBackground", FormId::DesktopBackground},
        {"btnDesktopShortcuts", FormId::DesktopShortcuts},   {"DesktopShortcuts", FormId::DesktopShortcuts},
        {"btnStartMenu", FormId::StartMenu},                 {"StartMenu", FormId::StartMenu},
        {"btnFavoritesMenu", FormId::Favorites},             {"FavoritesMenu", FormId::Favorites},
        {"btnHomePage", FormId::HomePage},                   {"IEHomePage", FormId::HomePage},
        {"AboutVelmora", FormId::About},
    };
    if (const auto it = kOpens.find(control); it != kOpens.end()) {
      opener_.Open(it->second);
    } else if (control == "VelmoraWebsite") {
      shell_.Execute("Open", std::string(kMakerSite), "", 1);  // SW_SHOWNORMAL; the result is not examined
    } else if (control == "btnOK" || control == "btnCancel" || control == "Close") {
      form.Close();
    }
  }

 private:
  Opener& opener_;
  Shell& shell_;
};

}  // namespace

std::unique_ptr<FormHandlers> MakeMainWindowHandlers(Opener& opener, Shell& shell) {
  return std::make_unique<MainWindowHandlers>(opener, shell);
}

}  // namespace velmora
