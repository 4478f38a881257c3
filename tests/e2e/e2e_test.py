"""The real program under Wine on a virtual display, used as a person would use it."""
import os
import pathlib
import time
import unittest

from harness import ROOT, Session, windows_path, INSPECT, ASSETGEN
import subprocess

SHOTS = pathlib.Path(os.environ.get("VELMORA_SCREENSHOTS", ROOT / "build" / "screenshots"))
COMIC = ("Comic Sans MS", "Comic Neue")
SPLASH, MAIN = "", "Velmora - Varro Edition"
SHORTCUT = b"[InternetShortcut]\r\nURL=%s\r\n"


def px(twips, dpi=96):
    return (twips * dpi + 720) // 1440


def rect(left, top, width, height, dpi=96):
    return (px(left, dpi), px(top, dpi), px(left + width, dpi) - px(left, dpi), px(top + height, dpi) - px(top, dpi))


session = None


def setUpModule():
    global session
    session = Session("96dpi")
    session.start()


def tearDownModule():
    session.stop()


class Splash(unittest.TestCase):
    def setUp(self):
        session.launch()

    def test_shows_the_title_and_version(self):
        controls = session.controls(SPLASH)
        self.assertEqual(controls["lblProductName"].text, "Velmora VarroEdition")
        self.assertEqual(controls["lblVersion"].text, "Version 1.0.0")
        version, platform = controls["lblVersion"].rect, controls["lblPlatform"].rect
        self.assertEqual(version[0] + version[2], platform[0] + platform[2])  # one right edge
        self.assertEqual(session.focus(SPLASH), "btnOK")
        self.assertFalse(session.windows()[SPLASH]["taskbar"])
        session.screenshot(SHOTS / "splash.png")

    def test_a_letter_key_ends_the_program(self):
        session.key("x")
        self.assertTrue(session.program_ended())
        self.assertEqual([t for t, w in session.windows().items() if w["class"] == "VelmoraForm"], [])

    def test_escape_opens_the_main_window_and_the_splash_goes(self):
        session.key("Escape")
        session.wait_window(MAIN)
        session.wait_gone(SPLASH)


class MainWindow(unittest.TestCase):
    def setUp(self):
        session.launch()
        session.key("Escape")
        session.wait_window(MAIN)

    def test_controls_stand_where_the_table_says(self):
        window = session.windows()[MAIN]
        self.assertEqual(window["rect"][2:], (px(9930), px(6885)))
        self.assertTrue(window["taskbar"])
        expected = {
            "btnDesktopBackground": ("Desktop &Background...", rect(720, 1800, 3615, 855)),
            "btnDesktopShortcuts": ("Desktop &Shortcuts...", rect(720, 3000, 3615, 855)),
            "btnStartMenu": ("Start &Menu...", rect(720, 4320, 3615, 855)),
            "btnHomePage": ("Home &Page...", rect(5520, 1800, 3615, 855)),
            "btnFavoritesMenu": ("F&avorites Menu", rect(5520, 3000, 3615, 855)),
            "btnOK": ("&OK", rect(7200, 6120, 1215, 495)),
            "btnCancel": ("&Cancel", rect(8520, 6120, 1215, 495)),
            "Label": (None, rect(360, 480, 9255, 1095)),
        }
        controls = session.controls(MAIN)
        for name, (caption, where) in expected.items():
            with self.subTest(name):
                control = controls[name]
                if caption:
                    self.assertEqual(control.text, caption)
                for got, want in zip(control.rect, where):
                    self.assertLessEqual(abs(got - want), 1)
                self.assertIn(control.face, COMIC)
                self.assertEqual(control.height, 11)
        self.assertTrue(controls["Label"].text.startswith("Velmora  - Varro Edition provides"))
        session.screenshot(SHOTS / "main-window.png")

    def test_tab_walks_the_table_order(self):
        order = ["btnOK", "btnCancel", "btnDesktopBackground", "btnDesktopShortcuts", "btnHomePage",
                 "btnFavoritesMenu", "btnStartMenu", "btnOK"]
        self.assertEqual(session.focus(MAIN), order[0])
        for name in order[1:]:
            session.key("Tab")
            self.assertEqual(session.focus(MAIN), name)
        session.key("shift+Tab")
        self.assertEqual(session.focus(MAIN), "btnStartMenu")

    def test_shortcut_keys_open_their_windows_once(self):
        for keys, title in [("ctrl+b", "Desktop Background"), ("ctrl+s", "Desktop Shortcuts"),
                            ("ctrl+a", "Favorites"), ("ctrl+p", "Home Page"), ("ctrl+m", "Start Menu"),
                            ("ctrl+o", "About Velmora VarroEdition")]:
            with self.subTest(title):
                session.key(keys)
                session.wait_window(title)
                session.key("Escape")
                session.wait_gone(title)
        # A button and its menu twin leave one window.
        session.click_control(MAIN, "btnStartMenu")
        session.wait_window("Start Menu")
        session.click_control(MAIN, "btnStartMenu")
        session.key("ctrl+m")
        time.sleep(0.5)
        self.assertEqual(list(session.windows()).count("Start Menu"), 1)

    def test_the_website_command_reaches_the_shell(self):
        record = session.drive_c("browser.txt")
        record.unlink(missing_ok=True)
        session.reg("add", r"HKCR\http\shell\open\command", "/ve", "/d",
                    f'"{windows_path(INSPECT)}" record C:\\browser.txt "%1"', "/f")
        session.key("ctrl+k")
        deadline = time.time() + 15
        while time.time() < deadline and not record.exists():
            time.sleep(0.3)
        self.assertIn("http://www.velmora.example", record.read_text())

    def test_each_close_command_closes_it(self):
        for keys in ["Escape", "ctrl+F4", "alt+o", "alt+c"]:
            with self.subTest(keys):
                if MAIN not in session.windows():
                    session.launch()
                    session.key("Escape")
                    session.wait_window(MAIN)
                session.key(keys)
                session.wait_gone(MAIN)
                self.assertTrue(session.program_ended())


class ShortcutWindows(unittest.TestCase):
    FOLDERS = {"Start Menu": ("AppData", "Roaming", "Microsoft", "Windows", "Start Menu"),
               "Desktop Shortcuts": ("Desktop",), "Favorites": ("Favorites",)}

    def setUp(self):
        for parts in self.FOLDERS.values():
            for f in session.user_folder(*parts).glob("*.url"):
                f.unlink()
        session.launch()
        session.key("Escape")
        session.wait_window(MAIN)

    def folder(self, title):
        return session.user_folder(*self.FOLDERS[title])

    def test_a_mouse_click_on_espn_nfl_adds_it_to_the_start_menu(self):
        session.key("ctrl+m")
        session.wait_window("Start Menu")
        controls = session.controls("Start Menu")
        self.assertEqual(controls["btnOK"].text, "OK")
        self.assertEqual(session.focus("Start Menu"), "btnCancel")
        session.screenshot(SHOTS / "start-menu.png")
        session.click_control("Start Menu", "ESPNNFL")
        shortcut = self.folder("Start Menu") / "ESPN NFL.url"
        self.assertEqual(shortcut.read_bytes(), SHORTCUT % b"http://www.espn.com/nfl/index")
        self.assertEqual(len(shortcut.read_bytes()), 55)
        self.assertIn("Start Menu", session.windows())  # stays open for more

    def test_all_24_pictures_of_the_desktop_window(self):
        session.key("ctrl+s")
        session.wait_window("Desktop Shortcuts")
        session.screenshot(SHOTS / "desktop-shortcuts.png")
        controls = session.controls("Desktop Shortcuts")
        pictures = [c for c in controls.values() if c.cls == "Button" and c.name not in ("btnOK", "btnCancel")]
        self.assertEqual(len(pictures), 24)
        for control in pictures:
            session.click_control("Desktop Shortcuts", control.name)
        files = sorted(p.name for p in self.folder("Desktop Shortcuts").glob("*.url"))
        self.assertEqual(files, sorted(c.text + ".url" for c in pictures))
        soccer = self.folder("Desktop Shortcuts") / "ESPN Soccer.url"
        self.assertEqual(soccer.read_bytes(), SHORTCUT % b"http://www.espnfc.com/index?cc=5901")
        self.assertEqual(list(self.folder("Start Menu").glob("*.url")), [])
        self.assertEqual(list(self.folder("Favorites").glob("*.url")), [])
        # Esc closes; opening again writes nothing.
        session.key("Escape")
        session.wait_gone("Desktop Shortcuts")
        before = {p.name: p.stat().st_mtime_ns for p in self.folder("Desktop Shortcuts").iterdir()}
        session.key("ctrl+s")
        session.wait_window("Desktop Shortcuts")
        self.assertEqual({p.name: p.stat().st_mtime_ns for p in self.folder("Desktop Shortcuts").iterdir()}, before)

    def test_favorites_layout_and_fonts(self):
        session.key("ctrl+a")
        session.wait_window("Favorites")
        session.screenshot(SHOTS / "favorites.png")
        controls = session.controls("Favorites")
        self.assertEqual(session.focus("Favorites"), "btnOK")
        self.assertEqual(controls["btnOK"].text, " OK")
        # OK at 7200, 240 inside the OK/Cancel frame at 120, 6480.
        self.assertEqual(controls["btnOK"].rect, rect(7320, 6720, 1215, 495))
        self.assertEqual(controls["btnCancel"].rect, rect(8640, 6720, 1215, 495))
        self.assertNotIn(controls["btnOK"].face, COMIC)  # MS Sans Serif, from its frame
        for name, cell in [("ESPNNFL", (0, 0)), ("SIcomKids", (3, 5)), ("PGACOM", (2, 3))]:
            with self.subTest(name):
                columns = [0, 2520, 5040, 7440]
                self.assertEqual(controls[name].rect,
                                 rect(120 + 360 + columns[cell[0]], 120 + 480 + 960 * cell[1], 1700, 650))
                self.assertIn(controls[name].face, COMIC)
                self.assertEqual(controls[name].weight, 700)


class HomePageAndWallpaper(unittest.TestCase):
    MAIN_KEY = r"HKCU\Software\Microsoft\Internet Explorer\Main"
    DESKTOP_KEY = r"HKCU\Control Panel\Desktop"
    BACKGROUNDS = ("share", "Velmora", "Varro", "backgrounds")

    def setUp(self):
        session.launch()
        session.key("Escape")
        session.wait_window(MAIN)

    def test_a_click_sets_the_start_page(self):
        session.reg("delete", self.MAIN_KEY, "/f")
        session.key("ctrl+p")
        session.wait_window("Home Page")
        session.screenshot(SHOTS / "home-page.png")
        session.click_control("Home Page", "ESPNSoccer")
        time.sleep(0.5)
        self.assertEqual(session.reg_value(self.MAIN_KEY, "Start Page"), ("REG_SZ", "http://www.espnfc.com/index?cc=5901"))
        session.reg("add", self.MAIN_KEY, "/v", "Start Page", "/t", "REG_DWORD", "/d", "5", "/f")
        session.click_control("Home Page", "NFLCOM")
        time.sleep(0.5)
        self.assertEqual(session.reg_value(self.MAIN_KEY, "Start Page"), ("REG_SZ", "http://www.nfl.com"))

    def test_a_click_sets_the_wallpaper_and_keeps_the_style(self):
        folder = session.drive_c(*self.BACKGROUNDS)
        subprocess.run([str(ASSETGEN), "--wallpapers", str(folder)], check=True)
        session.reg("add", self.DESKTOP_KEY, "/v", "WallpaperStyle", "/d", "2", "/f")
        session.reg("add", self.DESKTOP_KEY, "/v", "TileWallpaper", "/d", "0", "/f")
        session.key("ctrl+b")
        session.wait_window("Desktop Background")
        self.assertEqual(session.focus("Desktop Background"), "nascar")
        session.screenshot(SHOTS / "desktop-background.png")
        session.click_control("Desktop Background", "soccer2")
        time.sleep(1)
        self.assertEqual(session.reg_value(self.DESKTOP_KEY, "Wallpaper"),
                         ("REG_SZ", r"C:\share\Velmora\Varro\backgrounds\soccer2.bmp"))
        self.assertEqual(session.reg_value(self.DESKTOP_KEY, "WallpaperStyle"), ("REG_SZ", "2"))
        self.assertEqual(session.reg_value(self.DESKTOP_KEY, "TileWallpaper"), ("REG_SZ", "0"))
        session.screenshot(SHOTS / "wallpaper-set.png")

    def test_a_missing_picture_is_told_and_changes_nothing(self):
        folder = session.drive_c(*self.BACKGROUNDS)
        subprocess.run([str(ASSETGEN), "--wallpapers", str(folder)], check=True)
        (folder / "yankees.bmp").unlink()
        session.key("ctrl+b")
        session.wait_window("Desktop Background")
        before = session.reg_value(self.DESKTOP_KEY, "Wallpaper")
        session.click_control("Desktop Background", "yankees")
        box = session.wait_window("Velmora VarroEdition")
        self.assertEqual(box["class"], "#32770")
        texts = " ".join(c.text for c in session.controls("Velmora VarroEdition").values())
        self.assertIn(r"C:\share\Velmora\Varro\backgrounds\yankees.bmp", texts)
        session.screenshot(SHOTS / "wallpaper-missing.png")
        session.key("Return")
        session.wait_gone("Velmora VarroEdition")
        self.assertEqual(session.reg_value(self.DESKTOP_KEY, "Wallpaper"), before)
        self.assertIn("Desktop Background", session.windows())  # still usable


class About(unittest.TestCase):
    MSINFO = r"HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO"
    LOCATION = r"HKLM\SOFTWARE\Microsoft\Shared Tools Location"
    TITLE = "About Velmora VarroEdition"

    def setUp(self):
        session.launch()
        session.key("Escape")
        session.wait_window(MAIN)
        session.key("ctrl+o")
        session.wait_window(self.TITLE)

    def test_labels_read_the_title_and_version(self):
        controls = session.controls(self.TITLE)
        self.assertEqual(controls["lblTitle"].text, "Velmora VarroEdition")
        self.assertEqual(controls["lblVersion"].text, "Version 1.0.0")
        self.assertEqual(controls["cmdSysInfo"].text, "&System Info...")
        self.assertEqual(session.focus(self.TITLE), "cmdOK")
        self.assertFalse(session.windows()[self.TITLE]["taskbar"])
        session.screenshot(SHOTS / "about.png")

    def test_system_info_starts_the_program_the_registry_names(self):
        session.reg("add", self.MSINFO, "/v", "PATH", "/d", r"C:\windows\system32\msinfo32.exe", "/f")
        session.click_control(self.TITLE, "cmdSysInfo")
        deadline = time.time() + 15
        while time.time() < deadline and "msinfo32.exe" not in [p.lower() for p in session.processes()]:
            time.sleep(0.3)
        self.assertIn("msinfo32.exe", [p.lower() for p in session.processes()])
        session.wine("taskkill", "/f", "/im", "msinfo32.exe", check=False)

    def test_without_either_value_the_message_shows_and_the_window_stays(self):
        session.reg("delete", self.MSINFO, "/f")
        session.reg("delete", self.LOCATION, "/f")
        session.click_control(self.TITLE, "cmdSysInfo")
        session.wait_window("Velmora VarroEdition")
        texts = [c.text for c in session.controls("Velmora VarroEdition").values()]
        self.assertIn("System Information Is Unavailable At This Time", texts)
        session.key("Return")
        session.wait_gone("Velmora VarroEdition")
        session.key("Escape")  # Esc closes it whatever has the focus
        session.wait_gone(self.TITLE)


class HighDpi(unittest.TestCase):
    """The same main window at 144 dpi: every rectangle one and a half times as large."""

    @classmethod
    def setUpClass(cls):
        cls.session = Session("144dpi", dpi=144)
        cls.session.start()

    @classmethod
    def tearDownClass(cls):
        cls.session.stop()

    def test_the_main_window_scales_by_one_and_a_half(self):
        s = self.session
        s.launch()
        s.key("Escape")
        window = s.wait_window(MAIN)
        self.assertEqual(window["rect"][2:], (px(9930, 144), px(6885, 144)))
        controls = s.controls(MAIN)
        for name, where in {"btnDesktopBackground": (720, 1800, 3615, 855), "btnStartMenu": (720, 4320, 3615, 855),
                            "btnFavoritesMenu": (5520, 3000, 3615, 855), "btnOK": (7200, 6120, 1215, 495),
                            "btnCancel": (8520, 6120, 1215, 495), "Label": (360, 480, 9255, 1095)}.items():
            with self.subTest(name):
                for got, at96, want in zip(controls[name].rect, rect(*where), rect(*where, dpi=144)):
                    self.assertLessEqual(abs(got - want), 1)
                    self.assertLessEqual(abs(got - at96 * 1.5), 1.5)
                self.assertEqual(controls[name].height, 17)  # 8.25 points at 144 dpi
        s.screenshot(SHOTS / "main-window-144dpi.png")


if __name__ == "__main__":
    unittest.main()
