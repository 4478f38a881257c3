#include "homepage/start_page.h"

#include <vector>

namespace velmora {

bool WriteStringValue(Registry& registry, RegKey root, const std::string& keyPath, const std::string& valueName,
                      const std::string& data) {
  try {
    RegKey key = 0;
    if (registry.CreateKey(root, keyPath, key) != 0) return false;
    long setStatus = -1;
    try {
      std::vector<unsigned char> bytes(data.begin(), data.end());
      bytes.push_back(0);
      setStatus = registry.SetValue(key, valueName, kRegSz, bytes);
    } catch (...) {
      registry.CloseKey(key);
      return false;
    }
    const long closeStatus = registry.CloseKey(key);
    return setStatus == 0 && closeStatus == 0;
  } catch (...) {
    return false;
  }
}

bool SetIEHomePage(Registry& registry, const std::string& address) {
  return WriteStringValue(registry, kHkeyCurrentUser, "Software\\Microsoft\\Internet Explorer\\Main", "Start Page",
                          address);
}

}  // namespace velmora
