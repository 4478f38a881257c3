#include "platform/win32/win32_ports.h"

namespace velmora::win32 {
namespace {

// The predefined roots are sign-extended on 64-bit Windows.
HKEY ToHkey(RegKey key) {
  if (key == kHkeyCurrentUser) return HKEY_CURRENT_USER;
  if (key == kHkeyLocalMachine) return HKEY_LOCAL_MACHINE;
  return reinterpret_cast<HKEY>(key);
}

}  // namespace

long Win32Registry::CreateKey(RegKey root, const std::string& path, RegKey& key) {
  HKEY opened = nullptr;
  const LONG status = RegCreateKeyA(ToHkey(root), path.c_str(), &opened);
  if (status == ERROR_SUCCESS) key = reinterpret_cast<RegKey>(opened);
  return status;
}

long Win32Registry::OpenKey(RegKey root, const std::string& path, unsigned long access, RegKey& key) {
  HKEY opened = nullptr;
  const LONG status = RegOpenKeyExA(ToHkey(root), path.c_str(), 0, access, &opened);
  if (status == ERROR_SUCCESS) key = reinterpret_cast<RegKey>(opened);
  return status;
}

long Win32Registry::SetValue(RegKey key, const std::string& name, unsigned long type,
                             const std::vector<unsigned char>& data) {
  return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size()));
}

long Win32Registry::QueryValue(RegKey key, const std::string& name, unsigned long& type, unsigned char* buffer,
                               unsigned long& size) {
  DWORD t = 0, n = size;
  const LONG status = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &t, buffer, &n);
  type = t;
  size = n;
  return status;
}

long Win32Registry::CloseKey(RegKey key) { return RegCloseKey(ToHkey(key)); }

}  // namespace velmora::win32
