#include <string>

#include "platform/win32/win32_ports.h"

namespace velmora::win32 {

OsError ErrorFrom(unsigned long code) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                 nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason = n && text ? std::wstring(text, n) : L"";
  if (text) LocalFree(text);
  while (!reason.empty() && iswspace(reason.back())) reason.pop_back();
  if (reason.empty()) {
    wchar_t buffer[32];
    swprintf(buffer, 32, L"Error 0x%08lX.", code);
    reason = buffer;
  }
  return OsError(code, reason);
}

OsError LastError() { return ErrorFrom(GetLastError()); }

}  // namespace velmora::win32
