#include "platform/win32/win32_ports.h"

namespace velmora::win32 {

void Win32Messages::Show(const std::wstring& text, const std::wstring& title, MessageKind kind) noexcept {
  const UINT icon = kind == MessageKind::Warning ? MB_ICONWARNING : 0;
  MessageBoxW(GetActiveWindow(), text.c_str(), title.c_str(), MB_OK | icon | MB_SETFOREGROUND);
}

}  // namespace velmora::win32
