// The Win32 ports against a real (Wine) registry, real folders and real files.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <knownfolders.h>

#include <fstream>
#include <sstream>

#include "app/sys_info.h"
#include "platform/text.h"
#include "homepage/start_page.h"
#include "platform/win32/win32_ports.h"
#include "shortcuts/internet_shortcut.h"

namespace velmora::win32 {
namespace {

struct RecordedMessages : Messages {
  void Show(const std::wstring& text, const std::wstring&, MessageKind) noexcept override { shown.push_back(text); }
  std::vector<std::wstring> shown;
};

struct NoScriptHost : ScriptShell {
  std::unique_ptr<ScriptShellObject> Create() override { throw ErrorFrom(REGDB_E_CLASSNOTREG); }
};

class Com : public ::testing::Environment {
 public:
  void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void TearDown() override { CoUninitialize(); }
};
const auto* const kCom = ::testing::AddGlobalTestEnvironment(new Com);

std::wstring KnownFolder(const KNOWNFOLDERID& id) {
  wchar_t* path = nullptr;
  EXPECT_HRESULT_SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &path));
  std::wstring result = path ? path : L"";
  CoTaskMemFree(path);
  return result;
}

std::string Contents(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

std::vector<std::wstring> TempFilesIn(const std::wstring& folder) {
  std::vector<std::wstring> found;
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileW((folder + L"\\~velmora-*.tmp").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return found;
  do found.push_back(data.cFileName);
  while (FindNextFileW(search, &data));
  FindClose(search);
  return found;
}

class Shortcuts : public ::testing::Test {
 protected:
  Ports ports() { return {platform.pointer, platform.scriptShell, platform.knownFolders, platform.files,
                          platform.registry, platform.shell, platform.wallpaper, messages, platform.processes}; }
  Win32Platform platform;
  RecordedMessages messages;
};

const char kExpected[] = "[InternetShortcut]\r\nURL=http://www.espn.com/nfl/index\r\n";

struct FolderCase {
  const char* name;
  const KNOWNFOLDERID* id;
};

class ShortcutFolders : public Shortcuts, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(ShortcutFolders, LandInTheUsersRealFolderWithTheExactBytes) {
  const std::wstring folder = KnownFolder(*GetParam().id);
  const std::wstring file = folder + L"\\ESPN NFL.url";
  DeleteFileW(file.c_str());
  EXPECT_TRUE(AddInternetShortcut(ports(), GetParam().name, "ESPN NFL", "http://www.espn.com/nfl/index"))
      << (messages.shown.empty() ? std::string() : Narrow(messages.shown[0]));
  EXPECT_EQ(Contents(file), kExpected);
  EXPECT_EQ(Contents(file).size(), 55u);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(TempFilesIn(folder).empty());
  EXPECT_FALSE(Win32Pointer::Busy());
}

INSTANTIATE_TEST_SUITE_P(Wine, ShortcutFolders,
                         ::testing::Values(FolderCase{"StartMenu", &FOLDERID_StartMenu},
                                           FolderCase{"Desktop", &FOLDERID_Desktop},
                                           FolderCase{"Favorites", &FOLDERID_Favorites}));

TEST_F(Shortcuts, TheScriptHostKnowsTheDesktop) {
  std::unique_ptr<ScriptShellObject> shell;
  try {
    shell = platform.scriptShell.Create();
  } catch (const OsError& e) {
    FAIL() << "create failed: " << std::hex << e.code();
  }
  EXPECT_EQ(Narrow(shell->SpecialFolder("Desktop")), Narrow(KnownFolder(FOLDERID_Desktop)));
}

TEST_F(Shortcuts, WorkWithoutTheScriptHost) {
  NoScriptHost none;
  const Ports p{platform.pointer, none, platform.knownFolders, platform.files, platform.registry,
                platform.shell, platform.wallpaper, messages, platform.processes};
  const std::wstring file = KnownFolder(FOLDERID_Favorites) + L"\\ESPN NFL.url";
  DeleteFileW(file.c_str());
  EXPECT_TRUE(AddInternetShortcut(p, "Favorites", "ESPN NFL", "http://www.espn.com/nfl/index"));
  EXPECT_EQ(Contents(file), kExpected);
}

TEST_F(Shortcuts, AReadOnlyShortcutIsKeptAndReported) {
  const std::wstring folder = KnownFolder(FOLDERID_Desktop);
  const std::wstring file = folder + L"\\ESPN NBA.url";
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  {
    std::ofstream old(file.c_str(), std::ios::binary);
    old << "[InternetShortcut]\r\nURL=http://old.example\r\nIconIndex=1\r\n";
  }
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(AddInternetShortcut(ports(), "Desktop", "ESPN NBA", "http://www.espn.com/nba/index"));
  EXPECT_EQ(Contents(file), "[InternetShortcut]\r\nURL=http://old.example\r\nIconIndex=1\r\n");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].rfind(L"Could not add the shortcut \"ESPN NBA\" to your Desktop: ", 0), 0u)
      << std::string(messages.shown[0].begin(), messages.shown[0].end());
  EXPECT_TRUE(TempFilesIn(folder).empty());
  EXPECT_FALSE(Win32Pointer::Busy());
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(file.c_str());
}

TEST_F(Shortcuts, AFolderOutsideTheAnsiCodePageWorks) {
  const std::wstring folder = L"C:\\users\\Public\\\u0416\u00e9\u4e2d";
  CreateDirectoryW(folder.c_str(), nullptr);
  Win32FileSystem files;
  std::unique_ptr<TempFile> temp = files.CreateTemp(folder);
  const std::wstring tempPath = temp->path();
  temp->Write("[InternetShortcut]\r\nURL=http://www.nfl.com\r\n");
  temp->Close();
  files.Replace(tempPath, folder + L"\\NFL.COM.url");
  EXPECT_EQ(Contents(folder + L"\\NFL.COM.url"), "[InternetShortcut]\r\nURL=http://www.nfl.com\r\n");
}

TEST(Files, OrdinaryFilesOnly) {
  Win32FileSystem files;
  const std::wstring dir = L"C:\\velmora-files-test";
  CreateDirectoryW(dir.c_str(), nullptr);
  std::ofstream((dir + L"\\plain.bmp").c_str()) << "BM";
  std::ofstream((dir + L"\\hidden.bmp").c_str()) << "BM";
  SetFileAttributesW((dir + L"\\hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(files.IsOrdinaryFile(dir + L"\\plain.bmp"));
  EXPECT_FALSE(files.IsOrdinaryFile(dir + L"\\hidden.bmp"));
  EXPECT_FALSE(files.IsOrdinaryFile(dir));
  EXPECT_FALSE(files.IsOrdinaryFile(dir + L"\\*.bmp"));
  EXPECT_FALSE(files.IsOrdinaryFile(dir + L"\\missing.bmp"));
}

TEST(Files, ATempFileInAMissingFolderFails) {
  Win32FileSystem files;
  EXPECT_THROW(files.CreateTemp(L"C:\\no such folder\\at all"), OsError);
}

std::string ReadString(HKEY root, const char* key, const char* name, DWORD& type) {
  char buffer[2048] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueA(root, key, name, RRF_RT_ANY | RRF_NOEXPAND, &type, buffer, &size) != ERROR_SUCCESS) return "<none>";
  return std::string(buffer, size);
}

TEST(Registry, TheStartPageIsCreatedAndReplacesAnyEarlierType) {
  Win32Registry registry;
  const char* key = "Software\\Microsoft\\Internet Explorer\\Main";
  RegDeleteKeyA(HKEY_CURRENT_USER, key);
  EXPECT_TRUE(SetIEHomePage(registry, "http://www.nfl.com"));
  DWORD type = 0;
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, key, "Start Page", type), std::string("http://www.nfl.com", 19));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  const DWORD number = 7;
  RegSetKeyValueA(HKEY_CURRENT_USER, key, "Start Page", REG_DWORD, &number, sizeof number);
  EXPECT_TRUE(SetIEHomePage(registry, "http://www.espnfc.com/index?cc=5901"));
  EXPECT_EQ(ReadString(HKEY_CURRENT_USER, key, "Start Page", type), std::string("http://www.espnfc.com/index?cc=5901", 36));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

TEST(Registry, GetKeyValueReadsTheMachinesValues) {
  Win32Platform platform;
  const char* key = "SOFTWARE\\Velmora Test";
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, "text", REG_SZ, "C:\\x y\\z.exe", 13);
  const DWORD number = 0x00012A05;
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, "number", REG_DWORD, &number, sizeof number);
  const std::string big(1500, 'x');
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, "big", REG_SZ, big.c_str(), static_cast<DWORD>(big.size() + 1));
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, "empty", REG_SZ, "", 0);
  std::string value;
  EXPECT_TRUE(GetKeyValue(platform.ports(), kHkeyLocalMachine, key, "text", value));
  EXPECT_EQ(value, "C:\\x y\\z.exe");
  EXPECT_TRUE(GetKeyValue(platform.ports(), kHkeyLocalMachine, key, "number", value));
  EXPECT_EQ(value, "&h012A05");
  EXPECT_FALSE(GetKeyValue(platform.ports(), kHkeyLocalMachine, key, "big", value));
  EXPECT_EQ(value, "");
  EXPECT_TRUE(GetKeyValue(platform.ports(), kHkeyLocalMachine, key, "empty", value));
  EXPECT_EQ(value, "");
  EXPECT_FALSE(GetKeyValue(platform.ports(), kHkeyLocalMachine, "SOFTWARE\\No Such Key Here", "x", value));
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, key);
}

TEST(Processes, APathWithBlanksStartsWhole) {
  const std::wstring dir = L"C:\\velmora test dir";
  CreateDirectoryW(dir.c_str(), nullptr);
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  ASSERT_TRUE(CopyFileW((std::wstring(system) + L"\\hostname.exe").c_str(), (dir + L"\\host name.exe").c_str(), FALSE));
  Win32Processes processes;
  EXPECT_NO_THROW(processes.Start("C:\\velmora test dir\\host name.exe"));
  EXPECT_THROW(processes.Start("C:\\velmora test dir\\missing.exe"), OsError);
  EXPECT_EQ(processes.ExpandEnvironment("%SystemRoot%\\x"), std::string(getenv("SystemRoot")) + "\\x");
}

}  // namespace
}  // namespace velmora::win32
