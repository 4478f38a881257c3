#include "app/identity.h"

namespace velmora {

std::string VersionText(ProgramVersion version) {
  return "Version " + std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
         std::to_string(version.revision);
}

}  // namespace velmora
