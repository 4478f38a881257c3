#pragma once
#include <string>

#include "platform/ports.h"

namespace velmora {

constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// Reads one registry value as text: REG_SZ as it stands (a trailing NUL dropped), an expandable
// string expanded, REG_DWORD as "&h" and hex digits from the most significant kept byte; any
// other type leaves keyVal as passed. False with empty keyVal when the key or value cannot be
// read. The key, once opened, is always closed.
bool GetKeyValue(const Ports& ports, RegKey keyRoot, const std::string& keyName, const std::string& subKeyRef,
                 std::string& keyVal);

// Starts the System Information program found through the registry, or says it is unavailable.
void StartSysInfo(const Ports& ports);

}  // namespace velmora
