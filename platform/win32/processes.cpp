#include "platform/win32/win32_ports.h"

namespace velmora::win32 {

void Win32Processes::Start(const std::string& program) {
  // The path goes as the application name and quoted, so a blank in it cannot split it.
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    throw LastError();
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

std::string Win32Processes::ExpandEnvironment(const std::string& text) {
  const DWORD n = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
  if (!n) throw LastError();
  std::string out(n, '\0');
  if (!ExpandEnvironmentStringsA(text.c_str(), out.data(), n)) throw LastError();
  out.resize(out.find('\0'));
  return out;
}

}  // namespace velmora::win32
