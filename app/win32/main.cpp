// Velmora VarroEdition: start-up. Shows the splash and runs until the last window closes.
#include <windows.h>
#include <commctrl.h>

#include "app/identity.h"
#include "app/win32/program_host.h"
#include "platform/text.h"
#include "platform/win32/win32_ports.h"

using namespace velmora;
using namespace velmora::win32;

namespace {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

void Fatal(const std::wstring& what) {
  MessageBoxW(nullptr, what.c_str(), Widen(kAppTitle).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Before anything else loads: DLLs come from System32 only, never from beside the program.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryW(L"");

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  if (!FormWindow::RegisterClass(instance)) {
    Fatal(L"The program could not start: " + LastError().reason());
    return 1;
  }

  Win32Platform platform;
  Resources resources(instance, ScreenDpi());
  ProgramHost host(platform.ports(), resources);
  host.rules().Open(FormId::Splash);
  if (host.rules().OpenCount() == 0) return 1;
  return host.Run();
}
