#pragma once
// Text crosses to the system as ANSI; paths and messages are wide so that any profile folder works.
#include <string>
#include <string_view>

namespace velmora {

std::wstring Widen(std::string_view ansi);      // system ANSI code page -> UTF-16
std::string Narrow(std::wstring_view wide);     // UTF-16 -> system ANSI code page

// Spaces only: tabs and every other character stay.
inline std::string_view TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace velmora
