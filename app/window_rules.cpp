#include "app/window_rules.h"

#include "app/identity.h"
#include "platform/text.h"

namespace velmora {

void WindowRules::Open(FormId id) {
  if (IsOpen(id)) {
    host_.BringToFront(id);
    return;
  }
  open_.insert(id);
  std::wstring reason;
  try {
    host_.CreateAndShow(id);
    return;
  } catch (const OsError& error) {
    reason = error.reason();
  } catch (const std::exception&) {
    reason = L"The program ran out of memory.";
  }
  open_.erase(id);
  messages_.Show(L"Could not open the window \"" + Widen(FormTitle(id)) + L"\": " + reason, Widen(kAppTitle),
                 MessageKind::Warning);
  if (open_.empty()) host_.Quit();
}

void WindowRules::Closed(FormId id) {
  open_.erase(id);
  if (open_.empty()) host_.Quit();
}

std::string FormTitle(FormId id) {
  switch (id) {
    case FormId::Splash: return std::string(kAppTitle);
    case FormId::Main: return "Velmora - Varro Edition";
    case FormId::StartMenu: return "Start Menu";
    case FormId::DesktopShortcuts: return "Desktop Shortcuts";
    case FormId::Favorites: return "Favorites";
    case FormId::HomePage: return "Home Page";
    case FormId::DesktopBackground: return "Desktop Background";
    case FormId::About: return "About " + std::string(kAppTitle);
  }
  return {};
}

}  // namespace velmora
