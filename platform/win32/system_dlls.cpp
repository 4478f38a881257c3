#include "platform/win32/system_dlls.h"


#include "platform/win32/win32_ports.h"

namespace velmora::win32 {
namespace {

HMODULE Load(const wchar_t* name) {
  HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module) throw LastError();
  return module;
}

template <typename F>
void Bind(HMODULE module, const char* name, F& function) {
  function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (!function) throw LastError();
}

}  // namespace

const Ole& OleFunctions() {
  static const Ole ole = [] {
    Ole f{};
    const HMODULE ole32 = Load(L"ole32.dll"), oleaut32 = Load(L"oleaut32.dll");
    Bind(ole32, "CoInitializeEx", f.CoInitializeEx);
    Bind(ole32, "CoCreateInstance", f.CoCreateInstance);
    Bind(ole32, "CLSIDFromProgID", f.CLSIDFromProgID);
    Bind(ole32, "CoTaskMemFree", f.CoTaskMemFree);
    Bind(oleaut32, "SysAllocString", f.SysAllocString);
    Bind(oleaut32, "SysStringLen", f.SysStringLen);
    Bind(oleaut32, "VariantClear", f.VariantClear);
    Bind(oleaut32, "VariantChangeType", f.VariantChangeType);
    // The program's one thread lives in a single-threaded apartment until it ends.
    f.CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return f;
  }();
  return ole;
}

const ShellApi& ShellFunctions() {
  static const ShellApi shell = [] {
    ShellApi f{};
    const HMODULE shell32 = Load(L"shell32.dll");
    Bind(shell32, "SHGetKnownFolderPath", f.SHGetKnownFolderPath);
    Bind(shell32, "ShellExecuteA", f.ShellExecuteA);
    return f;
  }();
  return shell;
}

}  // namespace velmora::win32
