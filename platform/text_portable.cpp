// Off Windows the "ANSI code page" is Latin-1: one byte, one character.
#include "platform/text.h"

namespace velmora {

std::wstring Widen(std::string_view ansi) {
  std::wstring wide;
  for (unsigned char c : ansi) wide.push_back(static_cast<wchar_t>(c));
  return wide;
}

std::string Narrow(std::wstring_view wide) {
  std::string ansi;
  for (wchar_t c : wide) ansi.push_back(c < 256 ? static_cast<char>(c) : '?');
  return ansi;
}

}  // namespace velmora
