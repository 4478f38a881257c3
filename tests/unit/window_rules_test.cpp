#include <gtest/gtest.h>

#include "app/window_rules.h"
#include "tests/fakes/fake_platform.h"

namespace velmora {
namespace {

struct RecordingHost : WindowHost {
  void CreateAndShow(FormId id) override {
    calls.push_back("create " + FormTitle(id));
    if (failing) throw OsError(8, L"Not enough memory resources are available to process this command.");
  }
  void BringToFront(FormId id) override { calls.push_back("front " + FormTitle(id)); }
  void Quit() override { calls.push_back("quit"); }
  std::vector<std::string> calls;
  bool failing = false;
};

class Rules : public ::testing::Test {
 protected:
  testing::FakePlatform fake;
  RecordingHost host;
  WindowRules rules{host, fake.ports().messages};
};

TEST_F(Rules, AWindowExistsAtMostOnceAndIsBroughtToTheFront) {
  rules.Open(FormId::Main);
  rules.Open(FormId::StartMenu);
  rules.Open(FormId::StartMenu);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"create Velmora - Varro Edition", "create Start Menu", "front Start Menu"}));
  EXPECT_EQ(rules.OpenCount(), 2u);
}

TEST_F(Rules, TheProgramEndsWithTheLastWindowOnly) {
  rules.Open(FormId::Splash);
  rules.Open(FormId::Main);
  rules.Closed(FormId::Splash);
  rules.Open(FormId::Favorites);
  rules.Closed(FormId::Main);
  EXPECT_EQ(host.calls.back(), "create Favorites");
  rules.Closed(FormId::Favorites);
  EXPECT_EQ(host.calls.back(), "quit");
}

TEST_F(Rules, AReopenedWindowIsCreatedAfresh) {
  rules.Open(FormId::Main);
  rules.Open(FormId::About);
  rules.Closed(FormId::About);
  rules.Open(FormId::About);
  EXPECT_EQ(host.calls.back(), "create About Velmora VarroEdition");
}

TEST_F(Rules, AWindowThatCannotOpenIsReportedAndTheOthersStay) {
  rules.Open(FormId::Main);
  host.failing = true;
  rules.Open(FormId::HomePage);
  EXPECT_FALSE(rules.IsOpen(FormId::HomePage));
  EXPECT_TRUE(rules.IsOpen(FormId::Main));
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_EQ(fake.messages[0].text, L"Could not open the window \"Home Page\": Not enough memory resources are available to process this command.");
  EXPECT_NE(host.calls.back(), "quit");
}

}  // namespace
}  // namespace velmora
