#pragma once
#include <string>
#include <string_view>

namespace velmora {

constexpr std::string_view kAppTitle = "Velmora VarroEdition";
constexpr std::string_view kProgramFileName = "Velmora Varro Edition.exe";
constexpr std::string_view kMakerSite = "http://www.velmora.example";

struct ProgramVersion {
  unsigned major, minor, revision;
};
constexpr ProgramVersion kVersion{1, 0, 0};

// "Version 1.0.0": decimal numbers without sign, blank or leading zeros.
std::string VersionText(ProgramVersion version = kVersion);

}  // namespace velmora
