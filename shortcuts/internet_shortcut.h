#pragma once
#include <string>
#include <string_view>

#include "platform/ports.h"

namespace velmora {

// The file's exact bytes: two ANSI lines ended by CR LF, 26 + n bytes for an address of n.
std::string InternetShortcutBytes(std::string_view address);

// "StartMenu" -> "Start Menu": how the user knows the folder.
std::wstring FolderDisplayName(std::string_view folderName);

// Writes "<site name>.url" into the current user's folder of that name ("StartMenu", "Desktop",
// "Favorites"). The hourglass shows meanwhile. A failure leaves any earlier file as it was and
// tells the user once; returns whether the file was written.
bool AddInternetShortcut(const Ports& ports, std::string_view folderName, std::string_view siteName,
                         std::string_view address);

}  // namespace velmora
