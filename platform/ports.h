#pragma once
// Narrow seams to the operating system. Each has a Win32 implementation (platform/win32) and a
// recording fake (tests/fakes). Calls that fail throw OsError unless they return a status.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os_error.h"

namespace velmora {

// The application-wide mouse pointer.
enum class PointerShape { Default = 0, Hourglass = 11 };
class Pointer {
 public:
  virtual ~Pointer() = default;
  virtual void Set(PointerShape shape) noexcept = 0;
};

// The Windows Script Host shell object; destroying it releases it.
class ScriptShellObject {
 public:
  virtual ~ScriptShellObject() = default;
  // The folder's path, or empty text where the host does not know the name.
  virtual std::wstring SpecialFolder(std::string_view name) = 0;
};
class ScriptShell {
 public:
  virtual ~ScriptShell() = default;
  virtual std::unique_ptr<ScriptShellObject> Create() = 0;
};

// The shell's own known-folder lookup for the current user.
class KnownFolders {
 public:
  virtual ~KnownFolders() = default;
  virtual std::wstring Path(std::string_view folderName) = 0;
};

// A file being written beside its final place; destroying it closes it if still open.
class TempFile {
 public:
  virtual ~TempFile() = default;
  virtual const std::wstring& path() const = 0;
  virtual void Write(std::string_view bytes) = 0;
  virtual void Close() = 0;
};
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual std::unique_ptr<TempFile> CreateTemp(const std::wstring& folder) = 0;
  virtual void Replace(const std::wstring& from, const std::wstring& to) = 0;  // atomic rename
  virtual void Remove(const std::wstring& path) noexcept = 0;
  // True for an ordinary file: not a folder, not hidden, not a system file.
  virtual bool IsOrdinaryFile(const std::wstring& path) = 0;
};

// The registry, in the ANSI forms; every call returns the system's status (0 = success).
using RegKey = std::uintptr_t;
constexpr RegKey kHkeyCurrentUser = 0x80000001u;
constexpr RegKey kHkeyLocalMachine = 0x80000002u;
constexpr unsigned long kRegSz = 1, kRegExpandSz = 2, kRegDword = 4;
constexpr unsigned long kKeyRead = 0x20019;
class Registry {
 public:
  virtual ~Registry() = default;
  virtual long CreateKey(RegKey root, const std::string& path, RegKey& key) = 0;
  virtual long OpenKey(RegKey root, const std::string& path, unsigned long access, RegKey& key) = 0;
  virtual long SetValue(RegKey key, const std::string& name, unsigned long type,
                        const std::vector<unsigned char>& data) = 0;
  // On entry size is the buffer's length; on return the bytes written.
  virtual long QueryValue(RegKey key, const std::string& name, unsigned long& type,
                          unsigned char* buffer, unsigned long& size) = 0;
  virtual long CloseKey(RegKey key) = 0;
};

// The shell's document opener.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual void Execute(const std::string& operation, const std::string& file, const std::string& parameters,
                       int showCommand) noexcept = 0;
};

// The desktop wallpaper setting; returns the system's success flag.
class Wallpaper {
 public:
  virtual ~Wallpaper() = default;
  virtual bool SystemParametersInfo(unsigned action, unsigned param, const std::string& path, unsigned flags) = 0;
};

enum class MessageKind { Plain, Warning };
class Messages {
 public:
  virtual ~Messages() = default;
  virtual void Show(const std::wstring& text, const std::wstring& title, MessageKind kind) noexcept = 0;
};

class Processes {
 public:
  virtual ~Processes() = default;
  virtual void Start(const std::string& program) = 0;  // shown normal, not waited for
  virtual std::string ExpandEnvironment(const std::string& text) = 0;
};

// Every seam the program's logic uses, handed to the windows that need them.
struct Ports {
  Pointer& pointer;
  ScriptShell& scriptShell;
  KnownFolders& knownFolders;
  FileSystem& files;
  Registry& registry;
  Shell& shell;
  Wallpaper& wallpaper;
  Messages& messages;
  Processes& processes;
};

}  // namespace velmora
