#include "homepage/home_page.h"

#include "app/identity.h"
#include "catalogue/sites.h"
#include "homepage/start_page.h"
#include "platform/text.h"
#include "ui/picture_window.h"

namespace velmora {

FormDescription DescribeHomePage() {
  std::vector<std::string> tabOrder;  // cell order, then OK and Cancel
  for (const SiteLink& site : Sites()) tabOrder.emplace_back(site.controlName);
  tabOrder.insert(tabOrder.end(), {"btnOK", "btnCancel"});
  const std::vector<PictureButtonRow> rows = SiteButtonRows();
  return DescribePictureWindow({.name = "frmHomePage",
                                .caption = "Home Page",
                                .frameName = "frameHomePage",
                                .frameCaption = "Home Page - Click on picture button to set your Home Page in I.E.",
                                .frame = {120, 120, 9735, 6135},
                                .gridLeft = 240,
                                .gridTop = 360,
                                .okCancelFrame = {120, 6360, 9735, 855},
                                .okLeft = 7080,
                                .okTop = 240,
                                .okCaption = " OK",
                                .tabOrder = tabOrder,
                                .focus = "ESPNNFL"},
                               rows);
}

namespace {

class HomePageHandlers : public PictureWindowHandlers {
 public:
  explicit HomePageHandlers(const Ports& ports) : ports_(ports) {}

 protected:
  void PictureClick(std::string_view control) override {
    const SiteLink* site = FindSite(control);
    if (!site || SetIEHomePage(ports_.registry, std::string(site->address))) return;
    ports_.messages.Show(L"Could not make \"" + Widen(site->caption) + L"\" (" + Widen(site->address) +
                             L") your Internet Explorer home page: Windows refused to store it. "
                             L"Your home page was not changed.",
                         Widen(kAppTitle), MessageKind::Warning);
  }

 private:
  Ports ports_;
};

}  // namespace

std::unique_ptr<FormHandlers> MakeHomePageHandlers(const Ports& ports) {
  return std::make_unique<HomePageHandlers>(ports);
}

}  // namespace velmora
