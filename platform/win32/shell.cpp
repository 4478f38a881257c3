#include "platform/win32/win32_ports.h"

#include <shellapi.h>

namespace velmora::win32 {

void Win32Shell::Execute(const std::string& operation, const std::string& file, const std::string& parameters,
                         int showCommand) noexcept {
  ShellExecuteA(nullptr, operation.c_str(), file.c_str(), parameters.c_str(), nullptr, showCommand);
}

}  // namespace velmora::win32
