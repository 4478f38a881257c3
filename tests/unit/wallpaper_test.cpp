#include <gtest/gtest.h>

#include "tests/fakes/fake_platform.h"
#include "wallpaper/desktop_background.h"

namespace velmora {
namespace {

using testing::FakePlatform;
using Log = std::vector<std::string>;

struct NullSurface : FormSurface {
  void SetCaption(std::string_view, const std::string&) override {}
  void SetTitle(const std::string&) override {}
  void Close() override {}
};

class Wallpaper : public ::testing::Test {
 protected:
  void Click(std::string_view control) { MakeDesktopBackgroundHandlers(fake.ports())->Click(control, surface); }
  FakePlatform fake;
  NullSurface surface;
};

TEST_F(Wallpaper, SetsTheFileNameNotTheCaptionWithFlagsOne) {
  fake.files[L"C:\\share\\Velmora\\Varro\\backgrounds\\soccer2.bmp"] = "BM";
  fake.files[L"C:\\share\\Velmora\\Varro\\backgrounds\\yankees.bmp"] = "BM";
  Click("soccer2");
  Click("yankees");
  EXPECT_EQ(fake.log, (Log{"file exists C:\\share\\Velmora\\Varro\\backgrounds\\soccer2.bmp",
                           "spi 20 0 C:\\share\\Velmora\\Varro\\backgrounds\\soccer2.bmp 1",
                           "file exists C:\\share\\Velmora\\Varro\\backgrounds\\yankees.bmp",
                           "spi 20 0 C:\\share\\Velmora\\Varro\\backgrounds\\yankees.bmp 1"}));
  EXPECT_TRUE(fake.messages.empty());
}

TEST_F(Wallpaper, AMissingPictureIsToldAndNotSet) {
  Click("yankees");
  EXPECT_EQ(fake.log, (Log{"file exists C:\\share\\Velmora\\Varro\\backgrounds\\yankees.bmp", "message"}));
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_NE(fake.messages[0].text.find(L"C:\\share\\Velmora\\Varro\\backgrounds\\yankees.bmp"), std::wstring::npos);
}

TEST_F(Wallpaper, ARefusalIsTold) {
  fake.files[L"C:\\share\\Velmora\\Varro\\backgrounds\\golf.bmp"] = "BM";
  fake.wallpaperResult = false;
  Click("golf");
  ASSERT_EQ(fake.messages.size(), 1u);
  EXPECT_NE(fake.messages[0].text.find(L"golf"), std::wstring::npos);
}

}  // namespace
}  // namespace velmora
