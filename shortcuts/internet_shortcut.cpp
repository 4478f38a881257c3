#include "shortcuts/internet_shortcut.h"

#include <memory>

#include "app/identity.h"
#include "platform/atomic_write.h"
#include "platform/text.h"

namespace velmora {
namespace {

// The script host first; where it is missing, disabled or does not know the name, the shell.
std::wstring FindFolder(const Ports& ports, std::unique_ptr<ScriptShellObject>& shell, std::string_view folderName) {
  std::wstring path;
  try {
    shell = ports.scriptShell.Create();
    path = shell->SpecialFolder(folderName);
  } catch (const OsError&) {
    path.clear();
  }
  if (path.empty()) path = ports.knownFolders.Path(folderName);
  return path;
}

}  // namespace

std::string InternetShortcutBytes(std::string_view address) {
  std::string bytes = "[InternetShortcut]\r\nURL=";
  bytes += TrimSpaces(address);
  bytes += "\r\n";
  return bytes;
}

std::wstring FolderDisplayName(std::string_view folderName) {
  if (folderName == "StartMenu") return L"Start Menu";
  return Widen(folderName);
}

bool AddInternetShortcut(const Ports& ports, std::string_view folderName, std::string_view siteName,
                         std::string_view address) {
  const std::string name(TrimSpaces(siteName));
  std::wstring reason;
  ports.pointer.Set(PointerShape::Hourglass);
  {
    std::unique_ptr<ScriptShellObject> shell;
    try {
      const std::wstring folder = FindFolder(ports, shell, folderName);
      WriteFileAtomically(ports.files, folder, Widen(name) + L".url", InternetShortcutBytes(address));
    } catch (const OsError& error) {
      reason = error.reason();
    } catch (const std::exception&) {
      reason = L"The program ran out of memory.";
    }
  }  // the shell object is released here, before the pointer returns
  ports.pointer.Set(PointerShape::Default);
  if (reason.empty()) return true;
  ports.messages.Show(L"Could not add the shortcut \"" + Widen(name) + L"\" to your " + FolderDisplayName(folderName) +
                          L": " + reason,
                      Widen(kAppTitle), MessageKind::Warning);
  return false;
}

}  // namespace velmora
