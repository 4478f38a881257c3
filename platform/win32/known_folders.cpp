#include "platform/win32/win32_ports.h"

#include <shlobj.h>
#include <knownfolders.h>

#include "platform/win32/system_dlls.h"

namespace velmora::win32 {

std::wstring Win32KnownFolders::Path(std::string_view folderName) {
  const KNOWNFOLDERID* id = folderName == "StartMenu"   ? &FOLDERID_StartMenu
                            : folderName == "Desktop"   ? &FOLDERID_Desktop
                            : folderName == "Favorites" ? &FOLDERID_Favorites
                                                        : nullptr;
  if (!id) throw ErrorFrom(ERROR_PATH_NOT_FOUND);
  wchar_t* path = nullptr;
  const HRESULT hr = ShellFunctions().SHGetKnownFolderPath(*id, KF_FLAG_CREATE, nullptr, &path);
  std::wstring result = SUCCEEDED(hr) && path ? path : L"";
  OleFunctions().CoTaskMemFree(path);
  if (FAILED(hr)) throw ErrorFrom(static_cast<unsigned long>(hr));
  return result;
}

}  // namespace velmora::win32
