"""A virtual display, a private Wine prefix, and the real program in it, driven as a user would."""
import os
import pathlib
import re
import shutil
import subprocess
import time

ROOT = pathlib.Path(__file__).resolve().parents[2]
BUILD = pathlib.Path(os.environ.get("VELMORA_BUILD", ROOT / "build" / "win64"))
EXE = pathlib.Path(os.environ.get("VELMORA_EXE", BUILD / "app/win32/Velmora Varro Edition.exe"))
INSPECT = pathlib.Path(os.environ.get("VELMORA_INSPECT", BUILD / "tests/e2e/inspect.exe"))
ASSETGEN = pathlib.Path(os.environ.get("VELMORA_ASSETGEN", ROOT / "build/native/assetgen"))
WINE = shutil.which("wine64") or "/usr/lib/wine/wine64"
WINESERVER = shutil.which("wineserver") or "/usr/lib/wine/wineserver"
SCREEN = (1024, 768)
PROGRAM = "Velmora Varro Edition.exe"


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


class Control:
    def __init__(self, fields):
        self.name, self.cls, text, rect, face, height, weight, visible = fields
        self.text = text.replace("\\n", "\n").replace("\\r", "\r").replace("\\p", "|")
        self.rect = tuple(int(v) for v in rect.split(","))
        self.face, self.height, self.weight = face, int(height or 0), int(weight or 0)
        self.visible = visible == "1"

    @property
    def centre(self):
        left, top, width, height = self.rect
        return left + width // 2, top + height // 2


class Session:
    """One Xvfb display and one Wine prefix; the program is started and stopped within it."""

    def __init__(self, name, dpi=96):
        self.prefix = BUILD / f"e2e-{name}"
        self.dpi = dpi
        self.display = None
        self.xvfb = None
        self.program = None

    # --- the machine -------------------------------------------------------------------------
    def start(self):
        for number in range(90, 200):
            if not os.path.exists(f"/tmp/.X{number}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{number}"):
                break
        self.display = f":{number}"
        self.xvfb = subprocess.Popen(["Xvfb", self.display, "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                break
            time.sleep(0.05)
        self.env = dict(os.environ, DISPLAY=self.display, WINEPREFIX=str(self.prefix), WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        fresh = not (self.prefix / "system.reg").exists()
        if fresh:
            self.prefix.mkdir(parents=True, exist_ok=True)
            self.wine("wineboot", "--init", check=False)
            subprocess.run([WINESERVER, "-w"], env=self.env)
            for link in (self.prefix / "drive_c" / "users").glob("*/*"):
                if link.is_symlink():  # keep the tests' files inside the prefix, not in $HOME
                    link.unlink()
                    link.mkdir()
        # Every program shares one virtual desktop, so the inspector sees the program's windows.
        self.reg("add", r"HKCU\Software\Wine\Explorer", "/v", "Desktop", "/d", "Default", "/f")
        self.reg("add", r"HKCU\Software\Wine\Explorer\Desktops", "/v", "Default", "/d", f"{SCREEN[0]}x{SCREEN[1]}", "/f")
        self.reg("add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(self.dpi), "/f")
        self.reg("add", r"HKCU\Software\Wine\Fonts", "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(self.dpi), "/f")
        self.reg("add", r"HKCC\Software\Fonts", "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(self.dpi), "/f")
        subprocess.run([WINESERVER, "-k"], env=self.env)
        subprocess.run([WINESERVER, "-w"], env=self.env)
        self.inspect("windows")  # brings up the desktop before the first test needs it

    def stop(self):
        self.quit_program()
        subprocess.run([WINESERVER, "-k"], env=self.env)
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()

    def wine(self, *args, check=True, timeout=120):
        result = subprocess.run([WINE, *args], env=self.env, capture_output=True, text=True, timeout=timeout,
                                errors="replace")
        if check and result.returncode != 0:
            raise AssertionError(f"wine {args} failed ({result.returncode}): {result.stderr[-500:]}")
        return result.stdout

    def inspect(self, *args):
        """The inspector's output; a rare hang at Wine's start-up is retried."""
        for attempt in range(3):
            try:
                return self.wine(str(INSPECT), *args, timeout=30)
            except subprocess.TimeoutExpired:
                if attempt == 2:
                    raise
        return ""

    def reg(self, *args):
        return self.wine("reg", *args, check=False)

    def reg_value(self, key, name):
        """(type, data) of a registry value, or None."""
        out = self.reg("query", key, "/v", name)
        for line in out.splitlines():
            line = line.strip()
            if line.startswith(name + " ") or line.startswith(name + "\t"):
                rest = line[len(name):].strip().split(None, 1)
                if rest and rest[0].startswith("REG_"):
                    return rest[0], (rest[1] if len(rest) > 1 else "")
        return None

    def drive_c(self, *parts):
        return self.prefix.joinpath("drive_c", *parts)

    def user_folder(self, *parts):
        users = [p for p in (self.prefix / "drive_c" / "users").iterdir() if p.name not in ("Public",)]
        return users[0].joinpath(*parts)

    # --- the program -------------------------------------------------------------------------
    def launch(self):
        self.quit_program()
        self.program = subprocess.Popen([WINE, str(EXE)], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self.wait_window("")

    def quit_program(self):
        if self.program and self.program.poll() is None:
            self.wine("taskkill", "/f", "/im", PROGRAM, check=False)
            try:
                self.program.wait(timeout=20)
            except subprocess.TimeoutExpired:
                self.program.kill()
        self.program = None

    def program_ended(self, timeout=10):
        try:
            self.program.wait(timeout=timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    # --- looking -----------------------------------------------------------------------------
    def windows(self):
        found = {}
        for line in self.inspect("windows").splitlines():
            kind, cls, title, rect, appwindow = line.split("|")
            if cls in ("VelmoraForm", "#32770"):
                found[title] = {"class": cls, "rect": tuple(int(v) for v in rect.split(",")), "taskbar": appwindow == "1"}
        return found

    def wait_window(self, title, timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = self.windows()
            if title in found:
                time.sleep(0.3)  # let it paint
                return found[title]
            time.sleep(0.2)
        raise AssertionError(f"no window {title!r}; open: {list(self.windows())}")

    def wait_gone(self, title, timeout=10):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if title not in self.windows():
                return
            time.sleep(0.2)
        raise AssertionError(f"window {title!r} is still open")

    def controls(self, title):
        out = self.inspect("controls", title)
        return {c.name or c.text: c for c in (Control(line.split("|")[1:]) for line in out.splitlines())}

    def focus(self, title):
        return self.inspect("focus", title).strip()

    def processes(self):
        return self.inspect("processes").split()

    # --- acting ------------------------------------------------------------------------------
    def key(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "60", *keys], env=self.env, check=True)
        time.sleep(0.4)

    def click_control(self, title, name):
        window = self.wait_window(title)
        control = self.controls(title)[name]
        x, y = control.centre
        subprocess.run(["xdotool", "mousemove", str(window["rect"][0] + x), str(window["rect"][1] + y), "click", "1"],
                       env=self.env, check=True)
        time.sleep(0.3)

    def screenshot(self, path):
        """The screen as a person sees it: the root, then each window on top in stacking order
        (Xvfb's root image leaves out some of Wine's windows)."""
        # The pointer leaves the windows, so that no hover tooltip covers them; Wine paints a new
        # window a moment after it shows.
        subprocess.run(["xdotool", "mousemove", "1", "1"], env=self.env, check=True)
        time.sleep(1.5)
        path = pathlib.Path(path)
        path.parent.mkdir(parents=True, exist_ok=True)

        def grab(*args):
            xwd = subprocess.run(["xwd", "-silent", *args], env=self.env, capture_output=True, check=True).stdout
            return subprocess.run(["convert", "xwd:-", "png:-"], input=xwd, capture_output=True, check=True).stdout

        tree = subprocess.run(["xwininfo", "-root", "-tree"], env=self.env, capture_output=True, text=True).stdout
        windows = []  # listed topmost first
        for line in tree.splitlines():
            match = re.match(r'\s+(0x[0-9a-f]+) "(.*)": \("velmora.*\)\s+(\d+)x(\d+)\+(-?\d+)\+(-?\d+)\s+\+(-?\d+)\+(-?\d+)', line)
            if match and int(match.group(3)) > 1:
                windows.append((match.group(1), int(match.group(7)), int(match.group(8))))
        path.write_bytes(grab("-root"))
        for window_id, x, y in reversed(windows):
            layer = path.with_suffix(".layer.png")
            layer.write_bytes(grab("-id", window_id))
            subprocess.run(["convert", str(path), str(layer), "-geometry", f"+{x}+{y}", "-composite", str(path)],
                           check=True)
            layer.unlink()
