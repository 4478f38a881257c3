#include "platform/win32/win32_ports.h"

namespace velmora::win32 {

bool Win32Wallpaper::SystemParametersInfo(unsigned action, unsigned param, const std::string& path, unsigned flags) {
  std::string text = path;  // the call takes a writable pointer
  return SystemParametersInfoA(action, param, text.data(), flags) != FALSE;
}

}  // namespace velmora::win32
