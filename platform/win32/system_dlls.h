#pragma once
// COM, OLE Automation and the shell, loaded from System32 on first use rather than at start-up:
// only a click needs them, and a window should not wait for them.
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

namespace velmora::win32 {

struct Ole {
  decltype(&::CoInitializeEx) CoInitializeEx;
  decltype(&::CoCreateInstance) CoCreateInstance;
  decltype(&::CLSIDFromProgID) CLSIDFromProgID;
  decltype(&::CoTaskMemFree) CoTaskMemFree;
  decltype(&::SysAllocString) SysAllocString;
  decltype(&::SysStringLen) SysStringLen;
  decltype(&::VariantClear) VariantClear;
  decltype(&::VariantChangeType) VariantChangeType;
};
struct ShellApi {
  decltype(&::SHGetKnownFolderPath) SHGetKnownFolderPath;
  decltype(&::ShellExecuteA) ShellExecuteA;
};

// The loaded functions, with COM started on this thread; throws OsError when a DLL is missing.
const Ole& OleFunctions();
const ShellApi& ShellFunctions();

}  // namespace velmora::win32
