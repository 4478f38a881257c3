#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "catalogue/sites.h"
#include "catalogue/wallpapers.h"
#include "homepage/home_page.h"
#include "shortcuts/shortcut_windows.h"
#include "tests/fakes/fake_platform.h"
#include "ui/picture_window.h"
#include "wallpaper/desktop_background.h"

namespace velmora {
namespace {

// A picture window's own values, as its table gives them (OK and Cancel in window coordinates).
struct WindowTable {
  std::function<FormDescription()> describe;
  const char* name;
  const char* caption;
  const char* frameName;
  const char* frameCaption;
  TwipsRect frame;
  int gridLeft, gridTop;
  TwipsRect okCancelFrame;
  const char* okContainer;
  TwipsRect ok;
  const char* okCaption;
  Font buttonFont;
  const char* focus;
};

class PictureWindowTable : public ::testing::TestWithParam<WindowTable> {};

TEST_P(PictureWindowTable, MatchesItsTable) {
  const WindowTable& t = GetParam();
  const FormDescription form = t.describe();
  EXPECT_EQ(form.name, t.name);
  EXPECT_EQ(form.caption, t.caption);
  EXPECT_EQ(form.clientWidth, 10080);
  EXPECT_EQ(form.clientHeight, 7335);
  EXPECT_EQ(form.border, Border::FixedSingle);
  EXPECT_FALSE(form.minButton);
  EXPECT_FALSE(form.maxButton);
  EXPECT_EQ(form.icon, IconSize::Large);

  const Control* frame = form.Find(t.frameName);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->kind, ControlKind::Frame);
  EXPECT_EQ(frame->rect, t.frame);
  EXPECT_EQ(frame->caption, t.frameCaption);
  EXPECT_EQ(form.EffectiveFont(*frame), ComicSans());

  const Control* okFrame = form.Find("frameOKCancel");
  ASSERT_NE(okFrame, nullptr);
  EXPECT_EQ(okFrame->rect, t.okCancelFrame);
  EXPECT_EQ(okFrame->caption, "");

  const Control* ok = form.Find("btnOK");
  const Control* cancel = form.Find("btnCancel");
  EXPECT_EQ(ok->container, t.okContainer);
  EXPECT_EQ(cancel->container, t.okContainer);
  EXPECT_EQ(ok->rect, t.ok);
  EXPECT_EQ(cancel->rect, (TwipsRect{t.ok.left + 1320, t.ok.top, 1215, 495}));
  EXPECT_EQ(ok->caption, t.okCaption);
  EXPECT_EQ(cancel->caption, "Cancel");
  EXPECT_EQ(ok->tooltip, "OK");
  EXPECT_EQ(cancel->tooltip, "Cancel");
  EXPECT_EQ(form.EffectiveFont(*ok), t.buttonFont);
  EXPECT_EQ(form.EffectiveFont(*cancel), t.buttonFont);
  EXPECT_TRUE(cancel->cancel);
  EXPECT_EQ(form.DefaultButton(), nullptr);
  EXPECT_EQ(form.focus, t.focus);

  // Every picture button: in its cell of the grid, in bold Comic Sans, with its caption as tooltip.
  int pictures = 0;
  for (const Control& c : form.controls) {
    if (c.kind != ControlKind::PictureButton) continue;
    ++pictures;
    EXPECT_EQ(c.container, t.frameName);
    EXPECT_EQ(c.tooltip, c.caption);
    EXPECT_EQ(form.EffectiveFont(c), ComicSans(true));
    EXPECT_EQ(c.rect.width, 1700);
    EXPECT_EQ(c.rect.height, 650);
    EXPECT_NE(c.picture, 0);
  }
  EXPECT_EQ(pictures, 24);

  // The Tab cycle names every button once.
  std::vector<std::string> tab = form.tabOrder;
  EXPECT_EQ(tab.size(), 26u);
  std::sort(tab.begin(), tab.end());
  EXPECT_EQ(std::adjacent_find(tab.begin(), tab.end()), tab.end());
  for (const std::string& name : tab) EXPECT_NE(form.Find(name), nullptr) << name;
}

const Font kComic = ComicSans();

INSTANTIATE_TEST_SUITE_P(
    Windows, PictureWindowTable,
    ::testing::Values(
        WindowTable{DescribeStartMenu, "frmStartMenu", "Start Menu", "lblStartMenu",
                    "Start Menu - Click on Button Picture to Add Shortcut to the Start Menu", {120, 120, 9855, 6375},
                    360, 480, {120, 6480, 9855, 855}, "", {7320, 6720, 1215, 495}, "OK", kComic, "btnCancel"},
        WindowTable{DescribeDesktopShortcuts, "frmDesktopShortcuts", "Desktop Shortcuts", "frameDesktop",
                    "Desktop - Click on picture button to add shortcut to your Desktop", {120, 120, 9735, 6135}, 240,
                    360, {120, 6240, 9735, 975}, "frameOKCancel", {7080, 240, 1215, 495}, " OK", kComic, "btnCancel"},
        WindowTable{DescribeFavoritesMenu, "frmFavoritesMenu", "Favorites", "frameFavorites",
                    "Favorites - Click on picture button to add shortcuts to your Favorites.", {120, 120, 9855, 6375},
                    360, 480, {120, 6480, 9855, 855}, "frameOKCancel", {7200, 240, 1215, 495}, " OK", MsSansSerif(),
                    "btnOK"},
        WindowTable{DescribeHomePage, "frmHomePage", "Home Page", "frameHomePage",
                    "Home Page - Click on picture button to set your Home Page in I.E.", {120, 120, 9735, 6135}, 240,
                    360, {120, 6360, 9735, 855}, "frameOKCancel", {7080, 240, 1215, 495}, " OK", kComic, "ESPNNFL"},
        WindowTable{DescribeDesktopBackground, "frmDesktopBackground", "Desktop Background", "frmDesktopBackground",
                    "Desktop Background - Click on button picture to change the background image of your desktop.",
                    {240, 120, 9615, 6015}, 240, 240, {240, 6240, 9615, 855}, "frameOKCancel",
                    {6840, 240, 1215, 495}, " OK", kComic, "nascar"}));

TEST(PictureGrid, CellsStandAtTheTableOffsets) {
  const int columns[] = {0, 2520, 5040, 7440};
  for (const SiteLink& site : Sites()) {
    const TwipsRect r = PictureButtonRect(360, 480, site.cell);
    EXPECT_EQ(r, (TwipsRect{360 + columns[site.cell.column], 480 + 960 * site.cell.row, 1700, 650})) << site.controlName;
  }
  EXPECT_EQ(PictureButtonRect(240, 240, {3, 5}), (TwipsRect{7680, 5040, 1700, 650}));
}

TEST(PictureGrid, SiteWindowsPlaceEveryRowInItsCell) {
  const FormDescription form = DescribeDesktopShortcuts();
  for (const SiteLink& site : Sites()) {
    const Control* c = form.Find(site.controlName);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->rect, PictureButtonRect(240, 360, site.cell));
    EXPECT_EQ(c->caption, site.caption);
    EXPECT_EQ(c->picture, site.picture);
  }
}

const std::vector<std::string> kSiteCycle = {
    "PGACOM",  "ESPNMLB", "NFLCOM",     "SIcomNFL", "MLBCOM",               "SIcomMLB",   "NBACOM",  "SIcomNBA",
    "ESPNNHL", "NHLCOM",  "ESPNNASCAR", "USSoccer", "Indy500",              "SIcomCollegeFootball", "ESPNTennis",
    "ESPNNBA", "HBOBoxing", "ESPNBoxing", "ESPNSoccer", "SIcomKids",        "SIcomNASCAR", "NASCARCOM", "ESPNGolf"};

std::vector<std::string> Cycle(std::vector<std::string> head, std::vector<std::string> tail = {}) {
  head.insert(head.end(), kSiteCycle.begin(), kSiteCycle.end());
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

TEST(PictureTabOrder, TheThreeShortcutCycles) {
  EXPECT_EQ(DescribeStartMenu().tabOrder, Cycle({"btnCancel", "btnOK", "ESPNNFL"}));
  EXPECT_EQ(DescribeDesktopShortcuts().tabOrder, Cycle({"btnCancel", "btnOK"}, {"ESPNNFL"}));
  EXPECT_EQ(DescribeFavoritesMenu().tabOrder, Cycle({"btnOK", "btnCancel"}, {"ESPNNFL"}));
}

TEST(PictureTabOrder, DesktopBackgroundKeyboardOrder) {
  EXPECT_EQ(DescribeDesktopBackground().tabOrder,
            (std::vector<std::string>{"nascar",  "nascar3",     "nascar4",   "yankees", "gamwell",    "kdorran",
                                      "theanvil", "golf",       "soccer2",   "halvern", "stlouisrams", "vodrina",
                                      "nascar2", "oswincarrow", "brask",     "pellam",  "hockey",     "golf2",
                                      "fathers", "maribet",     "blackhawks", "basketballs", "durnik", "padres",
                                      "btnOK",   "btnCancel"}));
}

struct NullSurface : FormSurface {
  void SetCaption(std::string_view, const std::string&) override {}
  void SetTitle(const std::string&) override {}
  void Close() override { ++closes; }
  int closes = 0;
};

TEST(ShortcutWindowClicks, RouteTheWindowsFolderAndTheRowsCaptionAndAddress) {
  struct Case {
    const char* folder;
    const wchar_t* path;
  };
  for (const Case& c : {Case{"StartMenu", L"C:\\SM"}, Case{"Desktop", L"C:\\DT"}, Case{"Favorites", L"C:\\FV"}}) {
    testing::FakePlatform fake;
    fake.folders = {c.path};
    fake.scriptFolders = {{c.folder, c.path}};
    NullSurface surface;
    auto handlers = MakeShortcutWindowHandlers(fake.ports(), c.folder);
    handlers->Click("ESPNSoccer", surface);
    EXPECT_EQ(fake.files[std::wstring(c.path) + L"\\ESPN Soccer.url"],
              "[InternetShortcut]\r\nURL=http://www.espnfc.com/index?cc=5901\r\n");
    EXPECT_EQ(surface.closes, 0);
    handlers->Click("btnOK", surface);
    handlers->Click("btnCancel", surface);
    EXPECT_EQ(surface.closes, 2);
  }
}

}  // namespace
}  // namespace velmora
