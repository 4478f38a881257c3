#include "platform/win32/win32_ports.h"

#include <shellapi.h>

#include "platform/win32/system_dlls.h"

namespace velmora::win32 {

void Win32Shell::Execute(const std::string& operation, const std::string& file, const std::string& parameters,
                         int showCommand) noexcept {
  try {
    ShellFunctions().ShellExecuteA(nullptr, operation.c_str(), file.c_str(), parameters.c_str(), nullptr, showCommand);
  } catch (const OsError&) {
    // as with a browser that cannot start, nothing happens
  }
}

}  // namespace velmora::win32
