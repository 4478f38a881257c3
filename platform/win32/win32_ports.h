#pragma once
// The real operating system behind each port.
#include <windows.h>

#include "platform/ports.h"

namespace velmora::win32 {

OsError LastError();                 // GetLastError() as an OsError with the system's wording
OsError ErrorFrom(unsigned long code);  // a Win32 error or HRESULT

class Win32Pointer : public Pointer {
 public:
  void Set(PointerShape shape) noexcept override;
  static bool Busy() noexcept;  // windows keep the hourglass while this holds
};

class Win32ScriptShell : public ScriptShell {
 public:
  std::unique_ptr<ScriptShellObject> Create() override;
};

class Win32KnownFolders : public KnownFolders {
 public:
  std::wstring Path(std::string_view folderName) override;
};

class Win32FileSystem : public FileSystem {
 public:
  std::unique_ptr<TempFile> CreateTemp(const std::wstring& folder) override;
  void Replace(const std::wstring& from, const std::wstring& to) override;
  void Remove(const std::wstring& path) noexcept override;
  bool IsOrdinaryFile(const std::wstring& path) override;
};

class Win32Registry : public Registry {
 public:
  long CreateKey(RegKey root, const std::string& path, RegKey& key) override;
  long OpenKey(RegKey root, const std::string& path, unsigned long access, RegKey& key) override;
  long SetValue(RegKey key, const std::string& name, unsigned long type,
                const std::vector<unsigned char>& data) override;
  long QueryValue(RegKey key, const std::string& name, unsigned long& type, unsigned char* buffer,
                  unsigned long& size) override;
  long CloseKey(RegKey key) override;
};

class Win32Shell : public Shell {
 public:
  void Execute(const std::string& operation, const std::string& file, const std::string& parameters,
               int showCommand) noexcept override;
};

class Win32Wallpaper : public Wallpaper {
 public:
  bool SystemParametersInfo(unsigned action, unsigned param, const std::string& path, unsigned flags) override;
};

class Win32Messages : public Messages {
 public:
  void Show(const std::wstring& text, const std::wstring& title, MessageKind kind) noexcept override;
};

class Win32Processes : public Processes {
 public:
  void Start(const std::string& program) override;
  std::string ExpandEnvironment(const std::string& text) override;
};

// All of them, alive for the program's run.
struct Win32Platform {
  Win32Pointer pointer;
  Win32ScriptShell scriptShell;
  Win32KnownFolders knownFolders;
  Win32FileSystem files;
  Win32Registry registry;
  Win32Shell shell;
  Win32Wallpaper wallpaper;
  Win32Messages messages;
  Win32Processes processes;
  Ports ports() { return {pointer, scriptShell, knownFolders, files, registry, shell, wallpaper, messages, processes}; }
};

}  // namespace velmora::win32
