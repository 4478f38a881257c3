#include <gtest/gtest.h>

#include "shortcuts/internet_shortcut.h"
#include "tests/fakes/fake_platform.h"

namespace velmora {
namespace {

using testing::FakePlatform;
using Log = std::vector<std::string>;

class ShortcutWriter : public ::testing::Test {
 protected:
  ShortcutWriter() {
    fake.folders = {L"C:\\Users\\kid\\Desktop", L"C:\\Users\\kid\\Start Menu", L"C:\\Users\\kid\\Favorites"};
    fake.scriptFolders = {{"Desktop", L"C:\\Users\\kid\\Desktop"}};
    fake.knownFolders = {{"Desktop", L"C:\\Users\\kid\\Desktop"},
                         {"StartMenu", L"C:\\Users\\kid\\Start Menu"},
                         {"Favorites", L"C:\\Users\\kid\\Favorites"}};
  }
  bool Add(std::string_view folder, std::string_view name = "ESPN NFL",
           std::string_view address = "http://www.espn.com/nfl/index") {
    return AddInternetShortcut(fake.ports(), folder, name, address);
  }
  void ExpectCleanEnd() {
    EXPECT_EQ(fake.pointer, PointerShape::Default);
    EXPECT_EQ(fake.liveShellObjects, 0);
    EXPECT_EQ(fake.openTempFiles, 0);
    EXPECT_TRUE(fake.TempFilesLeft().empty());
  }
  FakePlatform fake;
};

TEST_F(ShortcutWriter, WritesTheExactBytesInTheOrderOfSteps) {
  EXPECT_TRUE(Add("Desktop"));
  EXPECT_EQ(fake.log, (Log{"pointer hourglass", "shell create", "shell folder Desktop",
                           "file create-temp C:\\Users\\kid\\Desktop", "file write 55", "file close",
                           "file replace C:\\Users\\kid\\Desktop\\ESPN NFL.url", "shell release", "pointer default"}));
  EXPECT_EQ(fake.files[L"C:\\Users\\kid\\Desktop\\ESPN NFL.url"],
            "[InternetShortcut]\r\nURL=http://www.espn.com/nfl/index\r\n");
  EXPECT_TRUE(fake.messages.empty());
  ExpectCleanEnd();
}

TEST_F(ShortcutWriter, FileIsTwentySixBytesPlusTheAddress) {
  for (std::string_view address : {"http://www.nfl.com", "http://www.espnfc.com/index?cc=5901", ""}) {
    EXPECT_EQ(InternetShortcutBytes(address).size(), 26 + address.size());
    EXPECT_TRUE(InternetShortcutBytes(address).ends_with("\r\n"));
  }
}

TEST_F(ShortcutWriter, FallsBackToTheShellWhereTheScriptHostDoesNotKnowTheFolder) {
  EXPECT_TRUE(Add("StartMenu"));
  EXPECT_EQ(fake.log[2], "shell folder StartMenu");
  EXPECT_EQ(fake.log[3], "known folder StartMenu");
  EXPECT_EQ(fake.files.count(L"C:\\Users\\kid\\Start Menu\\ESPN NFL.url"), 1u);
  ExpectCleanEnd();
}

TEST_F(ShortcutWriter, FallsBackToTheShellWhereTheScriptHostIsMissing) {
  fake.Fail("shell create", 0x80040154, L"Class not registered.");
  EXPECT_TRUE(Add("Favorites"));
  EXPECT_EQ(fake.files.count(L"C:\\Users\\kid\\Favorites\\ESPN NFL.url"), 1u);
  EXPECT_TRUE(fake.messages.empty());
  ExpectCleanEnd();
}

TEST_F(ShortcutWriter, TrimsSpacesButKeepsTabs) {
  EXPECT_TRUE(Add("Desktop", "  ESPN NFL ", "  http://www.nfl.com  "));
  EXPECT_EQ(fake.files[L"C:\\Users\\kid\\Desktop\\ESPN NFL.url"], "[InternetShortcut]\r\nURL=http://www.nfl.com\r\n");
  EXPECT_TRUE(Add("Desktop", "\tTabbed ", "http://www.nfl.com\t"));
  EXPECT_EQ(fake.files[L"C:\\Users\\kid\\Desktop\\\tTabbed.url"], "[InternetShortcut]\r\nURL=http://www.nfl.com\t\r\n");
}

TEST_F(ShortcutWriter, ReplacesAnExistingShortcutWhole) {
  fake.files[L"C:\\Users\\kid\\Desktop\\ESPN NFL.url"] = "[InternetShortcut]\r\nURL=x\r\nIconIndex=3\r\n";
  EXPECT_TRUE(Add("Desktop"));
  EXPECT_TRUE(Add("Desktop"));
  EXPECT_EQ(fake.files[L"C:\\Users\\kid\\Desktop\\ESPN NFL.url"],
            "[InternetShortcut]\r\nURL=http://www.espn.com/nfl/index\r\n");
}

// A failure at any step: no crash, pointer back, shell released, one message, old file kept.
class ShortcutWriterFailure : public ShortcutWriter, public ::testing::WithParamInterface<const char*> {};

TEST_P(ShortcutWriterFailure, KeepsTheOldFileAndSaysWhatFailed) {
  fake.scriptFolders.clear();
  fake.files[L"C:\\Users\\kid\\Desktop\\ESPN NFL.url"] = "old";
  fake.Fail(GetParam());
  EXPECT_FALSE(Add("Desktop"));
  EXPECT_EQ(fake.files[L"C:\\Users\\kid\\Desktop\\ESPN NFL.url"], "old");
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0].text, L"Could not add the shortcut \"ESPN NFL\" to your Desktop: Access is denied.");
  EXPECT_EQ(fake.messages[0].title, L"Velmora VarroEdition");
  EXPECT_EQ(fake.log.back(), "message");
  EXPECT_EQ(fake.log[fake.log.size() - 2], "pointer default");  // the pointer is back before the message shows
  ExpectCleanEnd();
}

INSTANTIATE_TEST_SUITE_P(EachStep, ShortcutWriterFailure,
                         ::testing::Values("known folder", "file create-temp", "file write", "file close",
                                           "file replace"));

TEST_F(ShortcutWriter, AMissingFolderIsReportedByName) {
  fake.folders.clear();
  EXPECT_FALSE(Add("StartMenu"));
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0].text,
            L"Could not add the shortcut \"ESPN NFL\" to your Start Menu: The system cannot find the path specified.");
  ExpectCleanEnd();
}

}  // namespace
}  // namespace velmora
