#include <gtest/gtest.h>

#include "app/sys_info.h"
#include "tests/fakes/fake_platform.h"

namespace velmora {
namespace {

using testing::FakePlatform;
const std::string kMsinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocation = "SOFTWARE\\Microsoft\\Shared Tools Location";

std::vector<unsigned char> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

class SysInfo : public ::testing::Test {
 protected:
  void SetPath(std::string_view text, unsigned long type = kRegSz) {
    fake.keys.insert(kMsinfo);
    fake.registry[kMsinfo + "\\PATH"] = {type, Bytes(text)};
  }
  void SetFolder(std::string_view text) {
    fake.keys.insert(kLocation);
    fake.registry[kLocation + "\\MSINFO"] = {kRegSz, Bytes(text)};
  }
  std::size_t Count(const std::string& prefix) {
    return std::count_if(fake.log.begin(), fake.log.end(), [&](const std::string& l) { return l.starts_with(prefix); });
  }
  void ExpectUnavailable() {
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, L"System Information Is Unavailable At This Time");
    EXPECT_EQ(fake.messages[0].title, L"Velmora VarroEdition");
    EXPECT_EQ(fake.messages[0].kind, MessageKind::Plain);
    EXPECT_TRUE(fake.started.empty());
  }
  FakePlatform fake;
};

TEST_F(SysInfo, LookupOneIsUsedAndLookupTwoNeverRead) {
  SetPath(std::string("C:\\Program Files\\Common Files\\MSInfo\\msinfo32.exe") + '\0');
  SetFolder("C:\\Other");
  fake.files[L"C:\\Program Files\\Common Files\\MSInfo\\msinfo32.exe"] = "";
  StartSysInfo(fake.ports());
  EXPECT_EQ(fake.started, std::vector<std::string>{"C:\\Program Files\\Common Files\\MSInfo\\msinfo32.exe"});
  EXPECT_EQ(Count("reg open 2147483650 " + kLocation), 0u);
  EXPECT_TRUE(fake.messages.empty());
}

TEST_F(SysInfo, KeysAreOpenedForReadingOnlyAndAlwaysClosed) {
  SetPath("C:\\nowhere.exe");
  SetFolder("C:\\Tools\\");
  StartSysInfo(fake.ports());
  EXPECT_EQ(Count("reg open 2147483650 " + kMsinfo + " 131097"), 1u);
  EXPECT_EQ(Count("reg open"), 2u);
  EXPECT_EQ(Count("reg close"), 2u);
}

TEST_F(SysInfo, FallsBackToTheFolderWithTheFileNameAppendedEvenAfterABackslash) {
  SetFolder("C:\\Tools\\");
  fake.files[L"C:\\Tools\\\\MSINFO32.EXE"] = "";
  StartSysInfo(fake.ports());
  EXPECT_EQ(fake.started, std::vector<std::string>{"C:\\Tools\\\\MSINFO32.EXE"});
}

struct PathCase {
  const char* why;
  std::string path;
  unsigned long type;
};

class SysInfoLookupOneUnusable : public SysInfo, public ::testing::WithParamInterface<PathCase> {};

TEST_P(SysInfoLookupOneUnusable, LookupTwoIsStillTried) {
  SetPath(GetParam().path, GetParam().type);
  SetFolder("C:\\Tools");
  fake.files[L"C:\\Tools\\MSINFO32.EXE"] = "";
  StartSysInfo(fake.ports());
  EXPECT_EQ(fake.started, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"}) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(Cases, SysInfoLookupOneUnusable,
                         ::testing::Values(PathCase{"zero length", "", kRegSz},
                                           PathCase{"NUL alone", std::string(1, '\0'), kRegSz},
                                           PathCase{"no such file", "C:\\missing.exe", kRegSz},
                                           PathCase{"binary", "abc", 3}));

TEST_F(SysInfo, AnExpandableStringIsExpandedFirst) {
  SetPath(std::string("%ProgramFiles%\\msinfo32.exe") + '\0', kRegExpandSz);
  fake.files[L"C:\\Program Files\\msinfo32.exe"] = "";
  StartSysInfo(fake.ports());
  EXPECT_EQ(fake.started, std::vector<std::string>{"C:\\Program Files\\msinfo32.exe"});
}

TEST_F(SysInfo, TheMessageWhenBothLookupsFail) {
  StartSysInfo(fake.ports());
  ExpectUnavailable();
}

TEST_F(SysInfo, TheMessageWhenTheFolderHoldsNoProgram) {
  SetFolder("C:\\Tools");
  StartSysInfo(fake.ports());
  ExpectUnavailable();
}

TEST_F(SysInfo, TheMessageWhenTheStartFails) {
  SetPath("C:\\msinfo32.exe");
  fake.files[L"C:\\msinfo32.exe"] = "";
  fake.Fail("start");
  StartSysInfo(fake.ports());
  ASSERT_EQ(fake.messages.size(), 1u);
}

TEST_F(SysInfo, ReadsTextWithOrWithoutItsNulTheSame) {
  std::string withNul, without;
  SetPath(std::string("abc") + '\0');
  EXPECT_TRUE(GetKeyValue(fake.ports(), kHkeyLocalMachine, kMsinfo, "PATH", withNul));
  SetPath("abc");
  EXPECT_TRUE(GetKeyValue(fake.ports(), kHkeyLocalMachine, kMsinfo, "PATH", without));
  EXPECT_EQ(withNul, "abc");
  EXPECT_EQ(without, "abc");
}

TEST_F(SysInfo, AValueOverTheBufferCountsAsAbsent) {
  SetPath(std::string(1025, 'x'));
  std::string value = "before";
  EXPECT_FALSE(GetKeyValue(fake.ports(), kHkeyLocalMachine, kMsinfo, "PATH", value));
  EXPECT_EQ(value, "");
  SetPath(std::string(1024, 'x'));
  EXPECT_TRUE(GetKeyValue(fake.ports(), kHkeyLocalMachine, kMsinfo, "PATH", value));
  EXPECT_EQ(value.size(), 1024u);
}

TEST_F(SysInfo, DwordValuesReadAsHexFromTheMostSignificantKeptByte) {
  std::string value;
  SetPath(std::string("\x05\x2A\x01\x00", 4), kRegDword);
  EXPECT_TRUE(GetKeyValue(fake.ports(), kHkeyLocalMachine, kMsinfo, "PATH", value));
  EXPECT_EQ(value, "&h012A05");
  SetPath(std::string("\x78\x56\x34\x12", 4), kRegDword);
  EXPECT_TRUE(GetKeyValue(fake.ports(), kHkeyLocalMachine, kMsinfo, "PATH", value));
  EXPECT_EQ(value, "&h12345678");
}

TEST_F(SysInfo, OtherTypesLeaveTheTextAsPassed) {
  SetPath("\x01\x02", 3);
  std::string value = "as passed";
  EXPECT_TRUE(GetKeyValue(fake.ports(), kHkeyLocalMachine, kMsinfo, "PATH", value));
  EXPECT_EQ(value, "as passed");
}

}  // namespace
}  // namespace velmora
