// The floor for start-up and memory: a Win32 program that only shows one empty window.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  };
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"BareWindow";
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowExW(0, L"BareWindow", L"Bare", WS_POPUP | WS_DLGFRAME, 100, 100, 492, 283, nullptr, nullptr,
                              instance, nullptr);
  ShowWindow(hwnd, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
