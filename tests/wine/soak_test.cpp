// Opens and closes every window many times and clicks many pictures in the real realiser; the
// process's GDI objects, windows and menus, and kernel handles must come back to their level.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "app/win32/program_host.h"
#include "platform/win32/win32_ports.h"

namespace velmora::win32 {
namespace {

// Counted by probing, since Wine does not implement GetGuiResources or the handle count.
struct Counts {
  int gdi = 0, user = 0, kernel = 0;
};

Counts Measure() {
  Counts c;
  const DWORD self = GetCurrentProcessId();
  for (UINT_PTR i = 1; i <= 0xFFFF; ++i) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(i))) ++c.gdi;
    const auto h = reinterpret_cast<HWND>(i);
    DWORD owner = 0;
    if (IsWindow(h) && GetWindowThreadProcessId(h, &owner) && owner == self) ++c.user;
    if (IsMenu(reinterpret_cast<HMENU>(i))) ++c.user;
    DWORD flags = 0;
    if (i % 4 == 0 && GetHandleInformation(reinterpret_cast<HANDLE>(i), &flags)) ++c.kernel;
  }
  return c;
}

struct QuietMessages : Messages {
  void Show(const std::wstring& text, const std::wstring&, MessageKind) noexcept override {
    std::printf("message: %ls\n", text.c_str());
    ++shown;
  }
  int shown = 0;
};

class Soak : public ::testing::Test {
 protected:
  Soak() : ports{platform.pointer, platform.scriptShell, platform.knownFolders, platform.files, platform.registry,
                 platform.shell, platform.wallpaper, messages, platform.processes} {
    FormWindow::RegisterClass(GetModuleHandleW(nullptr));
  }

  void OpenAndClose(ProgramHost& host, FormId id) {
    host.rules().Open(id);
    host.Pump();
    HWND hwnd = host.WindowOf(id);
    ASSERT_NE(hwnd, nullptr);
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
    host.Pump();
    ASSERT_EQ(host.WindowOf(id), nullptr);
  }

  void ClickPictures(ProgramHost& host, int clicks) {
    host.rules().Open(FormId::DesktopShortcuts);
    host.Pump();
    std::vector<HWND> pictures;
    EnumChildWindows(
        host.WindowOf(FormId::DesktopShortcuts),
        [](HWND child, LPARAM list) -> BOOL {
          if (GetWindowLongPtrW(child, GWL_STYLE) & BS_OWNERDRAW)
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&pictures));
    ASSERT_EQ(pictures.size(), 24u);
    for (int i = 0; i < clicks; ++i) {
      SendMessageW(pictures[i % 24], BM_CLICK, 0, 0);
      host.Pump();
    }
    PostMessageW(host.WindowOf(FormId::DesktopShortcuts), WM_CLOSE, 0, 0);
    host.Pump();
  }

  Win32Platform platform;
  QuietMessages messages;
  Ports ports;
};

TEST_F(Soak, WindowsAndClicksLeaveNothingBehind) {
  HDC screen = GetDC(nullptr);
  Resources resources(GetModuleHandleW(nullptr), GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  ProgramHost host(ports, resources);
  const FormId all[] = {FormId::Splash,    FormId::Main,     FormId::StartMenu, FormId::DesktopShortcuts,
                        FormId::Favorites, FormId::HomePage, FormId::DesktopBackground, FormId::About};
  host.rules().Open(FormId::Main);  // keeps the program "running" between the rounds
  host.Pump();
  auto round = [&] {
    for (FormId id : all)
      if (id != FormId::Main) OpenAndClose(host, id);
  };
  round();
  ClickPictures(host, 24);
  const Counts first = Measure();

  for (int i = 1; i < 50; ++i) round();
  ClickPictures(host, 200);
  const Counts last = Measure();
  std::printf("soak: after round 1 gdi=%d user=%d kernel=%d; after 50 rounds and 200 clicks gdi=%d user=%d kernel=%d\n",
              first.gdi, first.user, first.kernel, last.gdi, last.user, last.kernel);
  EXPECT_GT(first.gdi, 0);
  EXPECT_GT(first.user, 0);
  EXPECT_LE(last.gdi, first.gdi + 4);
  EXPECT_LE(last.user, first.user + 2);
  EXPECT_LE(last.kernel, first.kernel + 4);
  EXPECT_EQ(messages.shown, 0);
}

}  // namespace
}  // namespace velmora::win32
