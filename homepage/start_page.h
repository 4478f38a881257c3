#pragma once
#include <string>

#include "platform/ports.h"

namespace velmora {

// Creates or opens root\keyPath, sets valueName to data as REG_SZ with its NUL, closes the key
// whatever the set returned. True only when the set and the close both succeeded.
bool WriteStringValue(Registry& registry, RegKey root, const std::string& keyPath, const std::string& valueName,
                      const std::string& data);

// Makes address Internet Explorer's start page for the current user.
bool SetIEHomePage(Registry& registry, const std::string& address);

}  // namespace velmora
