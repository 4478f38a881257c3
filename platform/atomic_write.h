#pragma once
#include <string>
#include <string_view>

#include "platform/ports.h"

namespace velmora {

// Writes folder\name whole or not at all: a temporary file beside it, then one rename.
// On failure the temporary file is removed, the old file stays, and the OsError passes on.
void WriteFileAtomically(FileSystem& files, const std::wstring& folder, const std::wstring& name,
                         std::string_view bytes);

}  // namespace velmora
