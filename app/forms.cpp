#include "app/forms.h"

#include "app/about.h"
#include "app/main_window.h"
#include "app/splash.h"
#include "homepage/home_page.h"
#include "shortcuts/shortcut_windows.h"
#include "wallpaper/desktop_background.h"

namespace velmora {

FormParts MakeForm(FormId id, const Ports& ports, Opener& opener) {
  switch (id) {
    case FormId::Splash: return {DescribeSplash(), MakeSplashHandlers(opener)};
    case FormId::Main: return {DescribeMainWindow(), MakeMainWindowHandlers(opener, ports.shell)};
    case FormId::StartMenu: return {DescribeStartMenu(), MakeShortcutWindowHandlers(ports, "StartMenu")};
    case FormId::DesktopShortcuts: return {DescribeDesktopShortcuts(), MakeShortcutWindowHandlers(ports, "Desktop")};
    case FormId::Favorites: return {DescribeFavoritesMenu(), MakeShortcutWindowHandlers(ports, "Favorites")};
    case FormId::HomePage: return {DescribeHomePage(), MakeHomePageHandlers(ports)};
    case FormId::DesktopBackground: return {DescribeDesktopBackground(), MakeDesktopBackgroundHandlers(ports)};
    case FormId::About: return {DescribeAbout(), MakeAboutHandlers(ports)};
  }
  return {};
}

}  // namespace velmora
