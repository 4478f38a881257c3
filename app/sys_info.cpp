#include "app/sys_info.h"

#include <array>

#include "app/identity.h"
#include "platform/text.h"

namespace velmora {
namespace {

constexpr unsigned long kBufferSize = 1024;

class OpenKeyGuard {
 public:
  OpenKeyGuard(Registry& registry, RegKey key) : registry_(registry), key_(key) {}
  ~OpenKeyGuard() { registry_.CloseKey(key_); }  // its status is not looked at
  OpenKeyGuard(const OpenKeyGuard&) = delete;
  OpenKeyGuard& operator=(const OpenKeyGuard&) = delete;

 private:
  Registry& registry_;
  RegKey key_;
};

std::string HexFromMostSignificant(const unsigned char* bytes, std::size_t count) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "&h";
  for (std::size_t i = count; i-- > 0;) {
    text.push_back(kDigits[bytes[i] >> 4]);
    text.push_back(kDigits[bytes[i] & 0xF]);
  }
  return text;
}

// A usable program path from one lookup, or empty text.
std::string ExistingProgram(const Ports& ports, const std::string& path) {
  return !path.empty() && ports.files.IsOrdinaryFile(Widen(path)) ? path : std::string();
}

}  // namespace

bool GetKeyValue(const Ports& ports, RegKey keyRoot, const std::string& keyName, const std::string& subKeyRef,
                 std::string& keyVal) {
  RegKey key = 0;
  // Read access only: asking for write access to the machine's keys fails for standard accounts.
  if (ports.registry.OpenKey(keyRoot, keyName, kKeyRead, key) != 0) {
    keyVal.clear();
    return false;
  }
  OpenKeyGuard guard(ports.registry, key);
  std::array<unsigned char, kBufferSize> buffer{};
  unsigned long type = 0;
  unsigned long size = kBufferSize;
  if (ports.registry.QueryValue(key, subKeyRef, type, buffer.data(), size) != 0) {
    keyVal.clear();
    return false;
  }
  std::size_t kept = std::min<unsigned long>(size, kBufferSize);
  if (kept > 0 && buffer[kept - 1] == 0) --kept;  // a zero-length value is empty text, not a failure
  const std::string raw(reinterpret_cast<const char*>(buffer.data()), kept);
  switch (type) {
    case kRegSz: keyVal = raw.substr(0, raw.find('\0')); break;
    case kRegExpandSz: keyVal = ports.processes.ExpandEnvironment(raw.substr(0, raw.find('\0'))); break;
    case kRegDword: keyVal = HexFromMostSignificant(buffer.data(), kept); break;  // kept as "&h..." text
    default: break;
  }
  return true;
}

void StartSysInfo(const Ports& ports) {
  try {
    std::string value;
    std::string program;
    if (GetKeyValue(ports, kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", value)) {
      program = ExistingProgram(ports, value);
    }
    if (program.empty() &&
        GetKeyValue(ports, kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", value)) {
      program = ExistingProgram(ports, value + "\\MSINFO32.EXE");
    }
    if (!program.empty()) {
      ports.processes.Start(program);
      return;
    }
  } catch (...) {
    // any failure on the way ends in the one message below
  }
  ports.messages.Show(Widen(kSysInfoUnavailable), Widen(kAppTitle), MessageKind::Plain);
}

}  // namespace velmora
