"""Without a display: the program on a virtual one, walked along the usual road, with screenshots."""
import pathlib
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).parent))
from harness import ASSETGEN, ROOT, Session  # noqa: E402

SHOTS = ROOT / "build" / "screenshots"


def main():
    session = Session("run")
    session.start()
    try:
        subprocess.run([str(ASSETGEN), "--wallpapers", str(session.drive_c("share", "Velmora", "Varro", "backgrounds"))],
                       check=True)
        steps = [("1-splash.png", None, ""),
                 ("2-main-window.png", "Escape", "Velmora - Varro Edition"),
                 ("3-start-menu.png", "ctrl+m", "Start Menu")]
        session.launch()
        for name, key, title in steps:
            if key:
                session.key(key)
            session.wait_window(title)
            session.screenshot(SHOTS / name)
            print(f"{title or 'splash'}: {SHOTS / name}")
        session.click_control("Start Menu", "ESPNNFL")
        shortcut = session.user_folder("AppData", "Roaming", "Microsoft", "Windows", "Start Menu", "ESPN NFL.url")
        print(f"clicked ESPN NFL: {shortcut} ({shortcut.stat().st_size} bytes)")
    finally:
        session.stop()


if __name__ == "__main__":
    main()
