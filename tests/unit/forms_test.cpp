#include <gtest/gtest.h>

#include "app/about.h"
#include "app/identity.h"
#include "app/main_window.h"
#include "app/splash.h"
#include "app/window_rules.h"

namespace velmora {
namespace {

// One row of a window's layout table: the control, its window position and size, caption, font.
struct Row {
  const char* name;
  TwipsRect windowRect;
  const char* caption;
  Font font;
};

void ExpectRows(const FormDescription& form, const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    const Control* c = form.Find(row.name);
    ASSERT_NE(c, nullptr) << row.name;
    EXPECT_EQ(form.WindowRect(*c), row.windowRect) << row.name;
    if (row.caption) {
      EXPECT_EQ(c->caption, row.caption) << row.name;
    }
    EXPECT_EQ(form.EffectiveFont(*c), row.font) << row.name;
  }
}

TEST(MainWindowTable, ControlsStandWhereTheTableSays) {
  const FormDescription form = DescribeMainWindow();
  EXPECT_EQ(form.caption, "Velmora - Varro Edition");
  EXPECT_EQ(form.clientWidth, 9930);
  EXPECT_EQ(form.clientHeight, 6885);
  EXPECT_EQ(form.border, Border::Sizable);
  EXPECT_TRUE(form.minButton);
  EXPECT_FALSE(form.maxButton);
  EXPECT_TRUE(form.showInTaskbar);
  const Font comic = ComicSans();
  ExpectRows(form, {
                       {"frameOptions", {120, 120, 9735, 5655}, "Velmora Options", comic},
                       {"Label", {360, 480, 9255, 1095}, nullptr, comic},
                       {"Frame1", {360, 1200, 4500, 4335}, "Desktop", comic},
                       {"btnDesktopShortcuts", {720, 3000, 3615, 855}, "Desktop &Shortcuts...", comic},
                       {"btnStartMenu", {720, 4320, 3615, 855}, "Start &Menu...", comic},
                       {"btnDesktopBackground", {720, 1800, 3615, 855}, "Desktop &Background...", comic},
                       {"frameBrowserOptions", {5160, 1200, 4433, 4335}, "I.E. Browser", comic},
                       {"btnHomePage", {5520, 1800, 3615, 855}, "Home &Page...", comic},
                       {"btnFavoritesMenu", {5520, 3000, 3615, 855}, "F&avorites Menu", comic},
                       {"frameOKCancel", {120, 5880, 9735, 855}, "", MsSansSerif()},
                       {"btnOK", {7200, 6120, 1215, 495}, "&OK", comic},
                       {"btnCancel", {8520, 6120, 1215, 495}, "&Cancel", comic},
                   });
  EXPECT_EQ(form.Find("Label")->caption,
            "Velmora  - Varro Edition provides the following options so that you can add links to the best Varro "
            "websites for Everyone on the internet. There are over 20 links to add to your computer. You can choose "
            "from 1 to all of them for each area. You can also change your desktop image and your Internet Explorer "
            "Home Page.");
  EXPECT_EQ(form.CancelButton()->name, "btnCancel");
  EXPECT_EQ(form.DefaultButton(), nullptr);
  EXPECT_EQ(form.tabOrder, (std::vector<std::string>{"btnOK", "btnCancel", "btnDesktopBackground", "btnDesktopShortcuts",
                                                     "btnHomePage", "btnFavoritesMenu", "btnStartMenu"}));
  EXPECT_EQ(form.focus, "btnOK");
}

TEST(MainWindowTable, MenusCarryTheirItemsAndShortcutKeys) {
  const FormDescription form = DescribeMainWindow();
  std::vector<std::string> flat;
  for (const Menu& menu : form.menus) {
    flat.push_back(menu.name + " " + menu.caption);
    for (const MenuItem& item : menu.items) flat.push_back(item.name + " " + item.caption + " Ctrl+" + item.shortcut.key);
  }
  EXPECT_EQ(flat, (std::vector<std::string>{
                      "File &File", "Close &Close Ctrl+F4", "VelmoraOptions &Velmora Options",
                      "DesktopBackground Desktop &Background Ctrl+B", "DesktopShortcuts Desktop &Shortcuts Ctrl+S",
                      "FavoritesMenu &Favorites Menu Ctrl+A", "IEHomePage I.E. &Home Page Ctrl+P",
                      "StartMenu Start &Menu Ctrl+M", "Help &Help", "AboutVelmora Ab&out Velmora Ctrl+O",
                      "VelmoraWebsite &Velmora Website Ctrl+K"}));
}

TEST(SplashTable, ControlsStandWhereTheTableSays) {
  const FormDescription form = DescribeSplash();
  EXPECT_EQ(form.caption, "");
  EXPECT_FALSE(form.titleBar);
  EXPECT_FALSE(form.controlBox);
  EXPECT_EQ(form.border, Border::FixedDialog);
  EXPECT_FALSE(form.showInTaskbar);
  EXPECT_TRUE(form.keyPreview);
  EXPECT_EQ(form.icon, IconSize::Small);
  EXPECT_EQ(form.clientWidth, 7380);
  EXPECT_EQ(form.clientHeight, 4245);
  ExpectRows(form, {
                       {"Frame1", {150, 60, 7080, 4050}, "", ComicSans()},
                       {"btnOK", {5760, 3360, 1215, 495}, "&OK", ComicSans()},
                       {"lblProductName", {750, 420, 5445, 525}, nullptr, Font{"Comic Sans MS", 18, true}},
                       {"lblCopyright", {5790, 1980, 1335, 255}, nullptr, ComicSans()},
                       {"lblPlatform", {5595, 2340, 1410, 435}, "Windows", Font{"Comic Sans MS", 15.75, false}},
                       {"lblVersion", {6675, 2760, 330, 285}, nullptr, Font{"Arial", 12, true}},
                       {"lblWarning", {300, 3720, 6855, 315}, nullptr, ComicSans()},
                   });
  EXPECT_TRUE(form.Find("btnOK")->cancel);
  EXPECT_FALSE(form.Find("btnOK")->isDefault);
  EXPECT_EQ(form.tabOrder, std::vector<std::string>{"btnOK"});
  // Right-aligned labels share the right edge 6855 inside the frame.
  for (const char* name : {"lblPlatform", "lblVersion"}) {
    const Control* c = form.Find(name);
    EXPECT_EQ(c->rect.left + c->rect.width, 6855) << name;
    EXPECT_EQ(c->align, Align::Right);
  }
}

TEST(SplashTable, SixteenLogoTilesFormTheMonogramInsideItsBox) {
  const FormDescription form = DescribeSplash();
  for (int i = 0; i < 16; ++i) {
    const Control* tile = form.Find("imgLogo(" + std::to_string(i) + ")");
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->container, "Frame1");
    EXPECT_EQ(tile->rect.width, 735);
    EXPECT_EQ(tile->rect.height, 675);
    EXPECT_GE(tile->rect.left, 720);
    EXPECT_GE(tile->rect.top, 1080);
    EXPECT_LE(tile->rect.left + tile->rect.width, 5295);
    EXPECT_LE(tile->rect.top + tile->rect.height, 3195);
  }
}

TEST(AboutTable, ControlsStandWhereTheTableSays) {
  const FormDescription form = DescribeAbout();
  EXPECT_EQ(form.clientWidth, 5730);
  EXPECT_EQ(form.clientHeight, 3555);
  EXPECT_EQ(form.border, Border::FixedDialog);
  EXPECT_TRUE(form.controlBox);
  EXPECT_FALSE(form.minButton);
  EXPECT_FALSE(form.showInTaskbar);
  EXPECT_EQ(form.icon, IconSize::Small);
  const Font comic = ComicSans();
  ExpectRows(form, {
                       {"picIcon", {240, 240, 540, 540}, nullptr, comic},
                       {"cmdOK", {4245, 2625, 1260, 345}, "OK", comic},
                       {"cmdSysInfo", {4260, 3075, 1245, 345}, "&System Info...", comic},
                       {"lblDescription", {1050, 1125, 3885, 1170}, nullptr, comic},
                       {"lblTitle", {1050, 240, 3885, 480}, nullptr, comic},
                       {"lblVersion", {1050, 780, 3885, 225}, nullptr, comic},
                       {"lblDisclaimer", {255, 2625, 3870, 825}, nullptr, comic},
                   });
  EXPECT_EQ(form.Find("Line1(1)")->rect, (TwipsRect{90, 2445, 5654, 2445}));
  EXPECT_EQ(form.Find("Line1(1)")->color, 0x808080u);
  EXPECT_EQ(form.Find("Line1(0)")->rect, (TwipsRect{105, 2460, 5654, 2460}));
  EXPECT_EQ(form.Find("Line1(0)")->lineWidth, 2);
  EXPECT_TRUE(form.Find("cmdOK")->cancel);
  EXPECT_TRUE(form.Find("cmdOK")->isDefault);
  EXPECT_EQ(form.tabOrder.front(), "cmdOK");
}

// A surface that records what handlers do to their window.
struct RecordingSurface : FormSurface {
  void SetCaption(std::string_view control, const std::string& text) override { captions[std::string(control)] = text; }
  void SetTitle(const std::string& text) override { title = text; }
  void Close() override { ++closes; }
  std::map<std::string, std::string> captions;
  std::string title;
  int closes = 0;
};

struct RecordingOpener : Opener {
  void Open(FormId id) override { opened.push_back(id); }
  std::vector<FormId> opened;
};

TEST(SplashHandlers, LoadFillsTitleAndVersion) {
  RecordingOpener opener;
  RecordingSurface surface;
  MakeSplashHandlers(opener)->Load(surface);
  EXPECT_EQ(surface.captions["lblVersion"], "Version 1.0.0");
  EXPECT_EQ(surface.captions["lblProductName"], "Velmora VarroEdition");
}

TEST(SplashHandlers, OkOpensTheMainWindowBeforeClosing) {
  RecordingOpener opener;
  struct OrderSurface : RecordingSurface {
    RecordingOpener* opener = nullptr;
    std::size_t openedAtClose = 0;
    void Close() override { openedAtClose = opener->opened.size(); }
  } surface;
  surface.opener = &opener;
  MakeSplashHandlers(opener)->Click("btnOK", surface);
  EXPECT_EQ(opener.opened, std::vector<FormId>{FormId::Main});
  EXPECT_EQ(surface.openedAtClose, 1u);
}

TEST(SplashHandlers, AnyCharacterKeyClosesTheSplashAlone) {
  RecordingOpener opener;
  RecordingSurface surface;
  EXPECT_TRUE(MakeSplashHandlers(opener)->KeyPress('x', surface));
  EXPECT_EQ(surface.closes, 1);
  EXPECT_TRUE(opener.opened.empty());
}

TEST(MainWindowHandlers, ButtonsAndMenuTwinsOpenTheSameWindow) {
  struct Case {
    const char* control;
    FormId id;
  };
  const Case cases[] = {{"btnDesktopBackground", FormId::DesktopBackground}, {"DesktopBackground", FormId::DesktopBackground},
                        {"btnDesktopShortcuts", FormId::DesktopShortcuts},   {"DesktopShortcuts", FormId::DesktopShortcuts},
                        {"btnStartMenu", FormId::StartMenu},                 {"StartMenu", FormId::StartMenu},
                        {"btnFavoritesMenu", FormId::Favorites},             {"FavoritesMenu", FormId::Favorites},
                        {"btnHomePage", FormId::HomePage},                   {"IEHomePage", FormId::HomePage},
                        {"AboutVelmora", FormId::About}};
  for (const Case& c : cases) {
    RecordingOpener opener;
    RecordingSurface surface;
    struct NoShell : Shell {
      void Execute(const std::string&, const std::string&, const std::string&, int) noexcept override {}
    } shell;
    MakeMainWindowHandlers(opener, shell)->Click(c.control, surface);
    EXPECT_EQ(opener.opened, std::vector<FormId>{c.id}) << c.control;
    EXPECT_EQ(surface.closes, 0);
  }
}

TEST(MainWindowHandlers, CloseCommandsCloseAndTheWebsiteGoesToTheShell) {
  RecordingOpener opener;
  RecordingSurface surface;
  struct RecordingShell : Shell {
    void Execute(const std::string& op, const std::string& file, const std::string& params, int show) noexcept override {
      call = op + "|" + file + "|" + params + "|" + std::to_string(show);
    }
    std::string call;
  } shell;
  auto handlers = MakeMainWindowHandlers(opener, shell);
  for (const char* name : {"btnOK", "btnCancel", "Close"}) handlers->Click(name, surface);
  EXPECT_EQ(surface.closes, 3);
  handlers->Click("VelmoraWebsite", surface);
  EXPECT_EQ(shell.call, "Open|http://www.velmora.example||1");
}

TEST(Identity, VersionTextHasNoLeadingZeros) {
  EXPECT_EQ(VersionText(), "Version 1.0.0");
  EXPECT_EQ(VersionText({10, 2, 300}), "Version 10.2.300");
}

TEST(Captions, AccessKeysAndDisplayText) {
  EXPECT_EQ(AccessKey("Start &Menu..."), 'M');
  EXPECT_EQ(AccessKey("Ab&out Velmora"), 'O');
  EXPECT_EQ(AccessKey("Fish && Chips"), 0);
  EXPECT_EQ(DisplayText("F&avorites Menu"), "Favorites Menu");
  EXPECT_EQ(DisplayText("Fish && Chips"), "Fish & Chips");
}

}  // namespace
}  // namespace velmora
