#include <gtest/gtest.h>

#include "homepage/home_page.h"
#include "homepage/start_page.h"
#include "tests/fakes/fake_platform.h"

namespace velmora {
namespace {

using testing::FakePlatform;
using Log = std::vector<std::string>;
const std::string kMain = "Software\\Microsoft\\Internet Explorer\\Main";

TEST(StartPage, CreatesSetsAndClosesInThatOrder) {
  FakePlatform fake;
  EXPECT_TRUE(SetIEHomePage(fake.ports().registry, "http://www.nfl.com"));
  EXPECT_EQ(fake.log, (Log{"reg create 2147483649 " + kMain, "reg set Start Page 1 19", "reg close"}));
  const auto& value = fake.registry.at(kMain + "\\Start Page");
  EXPECT_EQ(value.type, kRegSz);
  EXPECT_EQ(std::string(value.data.begin(), value.data.end()), std::string("http://www.nfl.com", 19));
}

TEST(StartPage, EmptyDataStoresTheNulAlone) {
  FakePlatform fake;
  EXPECT_TRUE(WriteStringValue(fake.ports().registry, kHkeyCurrentUser, kMain, "Start Page", ""));
  EXPECT_EQ(fake.registry.at(kMain + "\\Start Page").data, std::vector<unsigned char>{0});
}

struct StatusCase {
  const char* call;
  long status;
  Log log;
};

class StartPageStatus : public ::testing::TestWithParam<StatusCase> {};

TEST_P(StartPageStatus, AnyFailingStatusGivesFalseAndTheKeyIsClosedOnceOpened) {
  FakePlatform fake;
  fake.statusOf[GetParam().call] = GetParam().status;
  EXPECT_FALSE(SetIEHomePage(fake.ports().registry, "http://www.nfl.com"));
  EXPECT_EQ(fake.log, GetParam().log);
}

INSTANTIATE_TEST_SUITE_P(
    EachCall, StartPageStatus,
    ::testing::Values(StatusCase{"reg create", 5, {"reg create 2147483649 " + kMain}},
                      StatusCase{"reg set", 5, {"reg create 2147483649 " + kMain, "reg set Start Page 1 19", "reg close"}},
                      StatusCase{"reg close", 6, {"reg create 2147483649 " + kMain, "reg set Start Page 1 19", "reg close"}}));

TEST(StartPage, AThrownFailureInsideGivesFalseAndClosesTheKey) {
  FakePlatform fake;
  fake.Fail("reg set");
  EXPECT_FALSE(SetIEHomePage(fake.ports().registry, "http://www.nfl.com"));
  EXPECT_EQ(fake.log.back(), "reg close");
  fake.log.clear();
  fake.Fail("reg create");
  EXPECT_FALSE(SetIEHomePage(fake.ports().registry, "http://www.nfl.com"));
  EXPECT_EQ(fake.log.size(), 1u);
}

struct NullSurface : FormSurface {
  void SetCaption(std::string_view, const std::string&) override {}
  void SetTitle(const std::string&) override {}
  void Close() override { closed = true; }
  bool closed = false;
};

TEST(HomePageWindow, AClickStoresTheSiteAddressSilently) {
  FakePlatform fake;
  NullSurface surface;
  auto handlers = MakeHomePageHandlers(fake.ports());
  handlers->Click("ESPNSoccer", surface);
  handlers->Click("NFLCOM", surface);
  const auto& data = fake.registry.at(kMain + "\\Start Page").data;
  EXPECT_EQ(std::string(data.begin(), data.end() - 1), "http://www.nfl.com");
  EXPECT_TRUE(fake.messages.empty());
  EXPECT_FALSE(surface.closed);
  handlers->Click("btnCancel", surface);
  EXPECT_TRUE(surface.closed);
}

TEST(HomePageWindow, ARefusedWriteIsToldAndTheOldValueStays) {
  FakePlatform fake;
  NullSurface surface;
  fake.registry[kMain + "\\Start Page"] = {kRegSz, {'x', 0}};
  fake.statusOf["reg set"] = 5;
  MakeHomePageHandlers(fake.ports())->Click("ESPNNFL", surface);
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_NE(fake.messages[0].text.find(L"home page"), std::wstring::npos);
  EXPECT_NE(fake.messages[0].text.find(L"ESPN NFL"), std::wstring::npos);
  EXPECT_EQ(fake.registry.at(kMain + "\\Start Page").data, (std::vector<unsigned char>{'x', 0}));
}

}  // namespace
}  // namespace velmora
