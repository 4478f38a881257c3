#include "platform/atomic_write.h"

namespace velmora {

void WriteFileAtomically(FileSystem& files, const std::wstring& folder, const std::wstring& name,
                         std::string_view bytes) {
  std::unique_ptr<TempFile> temp = files.CreateTemp(folder);
  const std::wstring tempPath = temp->path();
  try {
    temp->Write(bytes);
    temp->Close();
    temp.reset();
    files.Replace(tempPath, folder + L"\\" + name);
  } catch (...) {
    temp.reset();
    files.Remove(tempPath);
    throw;
  }
}

}  // namespace velmora
