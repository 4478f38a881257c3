#include "platform/win32/handles.h"
#include "platform/win32/win32_ports.h"

namespace velmora::win32 {
namespace {

class Win32TempFile : public TempFile {
 public:
  Win32TempFile(std::wstring path, UniqueHandle file) : path_(std::move(path)), file_(std::move(file)) {}
  const std::wstring& path() const override { return path_; }

  void Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      DWORD written = 0;
      if (!WriteFile(file_.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) throw LastError();
      bytes.remove_prefix(written);
    }
  }

  void Close() override {
    if (!FlushFileBuffers(file_.get())) throw LastError();
    if (!CloseHandle(file_.release())) throw LastError();
  }

 private:
  std::wstring path_;
  UniqueHandle file_;
};

}  // namespace

std::unique_ptr<TempFile> Win32FileSystem::CreateTemp(const std::wstring& folder) {
  // One name per process: each write is finished (renamed or removed) before the next begins.
  const std::wstring name = folder + L"\\~velmora-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  UniqueHandle file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) throw LastError();
  return std::make_unique<Win32TempFile>(name, std::move(file));
}

void Win32FileSystem::Replace(const std::wstring& from, const std::wstring& to) {
  // A read-only file is the user's wish to keep it; not every file system refuses the rename.
  const DWORD attributes = GetFileAttributesW(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) throw ErrorFrom(ERROR_ACCESS_DENIED);
  // The shell may be reading the old shortcut (to draw its icon) just then: give it a moment.
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return;
    const DWORD error = GetLastError();
    const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
    if (!busy || attempt == 60) throw ErrorFrom(error);
    Sleep(5);
  }
}

void Win32FileSystem::Remove(const std::wstring& path) noexcept {
  for (int attempt = 1; !DeleteFileW(path.c_str()) && attempt < 60; ++attempt) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return;
    Sleep(5);  // the shell may have just opened it
  }
}

bool Win32FileSystem::IsOrdinaryFile(const std::wstring& path) {
  if (path.empty() || path.find_first_of(L"*?") != std::wstring::npos) return false;  // an exact path, not a pattern
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return !(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

}  // namespace velmora::win32
