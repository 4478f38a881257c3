// Every click path, with each operating-system call failing in turn: no crash, the pointer back,
// no temporary file left, what was there kept, and one message exactly when the work failed.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <set>

#include "app/about.h"
#include "homepage/home_page.h"
#include "shortcuts/shortcut_windows.h"
#include "tests/fakes/fake_platform.h"
#include "wallpaper/desktop_background.h"

namespace velmora {
namespace {

using testing::FakePlatform;

struct NullSurface : FormSurface {
  void SetCaption(std::string_view, const std::string&) override {}
  void SetTitle(const std::string&) override {}
  void Close() override {}
};

const std::wstring kDesktop = L"C:\\Users\\kid\\Desktop";
const std::wstring kShortcut = kDesktop + L"\\ESPN NFL.url";
const std::wstring kWallpaper = L"C:\\share\\Velmora\\Varro\\backgrounds\\golf.bmp";
const std::string kMain = "Software\\Microsoft\\Internet Explorer\\Main";
const std::string kMsinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocation = "SOFTWARE\\Microsoft\\Shared Tools Location";

// A machine where every path can succeed, with something already there to keep.
void Furnish(FakePlatform& fake) {
  for (const char* name : {"StartMenu", "Desktop", "Favorites"}) {
    fake.folders.insert(kDesktop);
    fake.scriptFolders[name] = kDesktop;
    fake.knownFolders[name] = kDesktop;
  }
  fake.files[kShortcut] = "old shortcut";
  fake.files[kWallpaper] = "BM";
  fake.keys = {kMain, kMsinfo, kLocation};
  fake.registry[kMain + "\\Start Page"] = {kRegSz, {'o', 'l', 'd', 0}};
  fake.registry[kMsinfo + "\\PATH"] = {kRegSz, {'C', ':', '\\', 'm', '.', 'e', 'x', 'e', 0}};
  fake.registry[kLocation + "\\MSINFO"] = {kRegSz, {'C', ':', '\\', 't'}};
  fake.files[L"C:\\m.exe"] = "";
  fake.files[L"C:\\t\\MSINFO32.EXE"] = "";
}

struct ClickPath {
  const char* name;
  std::function<void(const Ports&)> click;
  std::function<bool(FakePlatform&)> succeeded;  // the work took effect
};

std::vector<ClickPath> Paths() {
  NullSurface* surface = new NullSurface;  // lives for the test run
  auto shortcut = [surface](const char* folder) {
    return [surface, folder](const Ports& p) { MakeShortcutWindowHandlers(p, folder)->Click("ESPNNFL", *surface); };
  };
  auto written = [](FakePlatform& f) {
    return f.files[kShortcut] == "[InternetShortcut]\r\nURL=http://www.espn.com/nfl/index\r\n";
  };
  return {
      {"Start Menu", shortcut("StartMenu"), written},
      {"Desktop", shortcut("Desktop"), written},
      {"Favorites", shortcut("Favorites"), written},
      {"Home Page", [surface](const Ports& p) { MakeHomePageHandlers(p)->Click("NFLCOM", *surface); },
       [](FakePlatform& f) {
         const auto& d = f.registry[kMain + "\\Start Page"].data;
         return std::string(d.begin(), d.end()) == std::string("http://www.nfl.com", 19) &&
                f.statusOf.count("reg close") == 0;
       }},
      {"Desktop Background", [surface](const Ports& p) { MakeDesktopBackgroundHandlers(p)->Click("golf", *surface); },
       [](FakePlatform& f) {
         return std::count(f.log.begin(), f.log.end(), "spi 20 0 C:\\share\\Velmora\\Varro\\backgrounds\\golf.bmp 1") == 1 &&
                f.wallpaperResult && !f.Fails("spi");
       }},
      {"System Info", [surface](const Ports& p) { MakeAboutHandlers(p)->Click("cmdSysInfo", *surface); },
       [](FakePlatform& f) { return f.started.size() == 1; }},
  };
}

// The failure a logged call can be given: "file write 55" -> "file write".
std::string FailureOf(const std::string& logged) {
  for (const char* call : {"shell create", "shell folder", "known folder", "file create-temp", "file write",
                           "file close", "file replace", "file exists", "reg create", "reg set", "reg close",
                           "reg query", "spi", "start"}) {
    if (logged.rfind(call, 0) == 0) return call;
  }
  if (logged.rfind("reg open ", 0) == 0) return logged.substr(0, logged.rfind(' '));  // "reg open <root> <path>"
  return {};
}

void Inject(FakePlatform& fake, const std::string& failure) {
  if (failure.rfind("reg open ", 0) == 0) {
    fake.statusOf["reg open " + failure.substr(failure.find(' ', 9) + 1)] = 5;
  } else if (failure.rfind("reg ", 0) == 0) {
    fake.statusOf[failure] = 5;
  } else if (failure == "spi") {
    fake.wallpaperResult = false;
  } else {
    fake.Fail(failure);
  }
}

TEST(FaultSweep, EveryCallOfEveryClickPathFailsInTurn) {
  int cases = 0;
  for (const ClickPath& path : Paths()) {
    FakePlatform dryRun;
    Furnish(dryRun);
    path.click(dryRun.ports());
    ASSERT_TRUE(path.succeeded(dryRun)) << path.name;
    std::set<std::string> failures;
    for (const std::string& logged : dryRun.log)
      if (std::string f = FailureOf(logged); !f.empty()) failures.insert(f);
    if (std::string(path.name) == "Desktop Background") failures.insert("spi throws");

    for (const std::string& failure : failures) {
      SCOPED_TRACE(std::string(path.name) + " with " + failure + " failing");
      FakePlatform fake;
      Furnish(fake);
      if (failure == "spi throws") {
        fake.Fail("spi");
      } else {
        Inject(fake, failure);
      }
      const auto before = fake.files;
      ASSERT_NO_THROW(path.click(fake.ports()));
      ++cases;
      EXPECT_EQ(fake.pointer, PointerShape::Default);
      EXPECT_EQ(fake.liveShellObjects, 0);
      EXPECT_EQ(fake.openTempFiles, 0);
      EXPECT_TRUE(fake.TempFilesLeft().empty());
      const bool worked = path.succeeded(fake);
      EXPECT_EQ(fake.messages.size(), worked ? 0u : 1u);
      if (!worked && std::string(path.name) != "Home Page") {
        EXPECT_EQ(fake.files, before);  // what was there is kept
      }
      if (!worked && std::string(path.name) == "Home Page" && failure != "reg close") {
        const auto& d = fake.registry[kMain + "\\Start Page"].data;
        EXPECT_EQ(std::string(d.begin(), d.end()), std::string("old", 4));
      }
      for (const auto& shown : fake.messages) EXPECT_FALSE(shown.text.empty());
    }
  }
  std::printf("fault sweep: %d cases tried\n", cases);
  EXPECT_GE(cases, 25);
}

}  // namespace
}  // namespace velmora
