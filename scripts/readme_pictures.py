#!/usr/bin/env python3
"""Takes the README's pictures from the real program under Wine: the five pages, the tray menu
and the group editor, each cropped to the window it shows. Run by scripts/readme_pictures.sh,
in a Wine lane of its own, with HUSHCLOAK_EXE, HUSHCLOAK_PEER and HUSHCLOAK_PROBE set.
    readme_pictures.py OUTPUT_FOLDER
"""

import pathlib
import subprocess
import sys
import tempfile

REPOSITORY = pathlib.Path(__file__).resolve().parent.parent
sys.path[:0] = [str(REPOSITORY / "tests" / "harness"), str(REPOSITORY / "tests" / "e2e")]

import driver  # noqa: E402
from data_files import (HIDE_ONLY, MAIN, STARTS_WITH, Keys, Pattern, clock_timer,  # noqa: E402
                        prepare, stopwatch)

TRAY = "Wine System Tray"
PAGES = {"visible_windows": " Visible Windows ", "hidden_windows": " Hidden Windows ",
         "window_groups": " Window Groups ", "hot_keys": " Hot Keys ",
         "visibility_timers": " Visibility Timers "}
PEERS = ("Inbox - Mail", "Project Plan - Editor", "Team Chat", "Holiday Photos - Viewer",
         "Start Page - Browser", "Calculator")


WM_KEYDOWN, VK_RIGHT, VK_DOWN = 0x100, 39, 40


def menus():
    return sum(w.visible and w.class_name == "#32768" for w in driver.top_level_windows())


def geometry(title):
    x_window = driver.xdotool("search", "--name", f"^{title}$").split()[0]
    values = dict(line.split("=") for line in
                  driver.xdotool("getwindowgeometry", "--shell", x_window).split())
    return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


def picture(path, box):
    """Saves the part `box` (x, y, width, height) of the display."""
    x, y, width, height = box
    subprocess.run(["import", "-display", driver.setting("DISPLAY"), "-window", "root",
                    "-crop", f"{width}x{height}+{x}+{y}", "+repage", str(path)], check=True)
    print(path)


def main(output):
    output.mkdir(parents=True, exist_ok=True)
    driver.wipe_data_folder()
    prepare(groups={1: ("Chat", [Pattern("Team Chat")]),
                    2: ("Web Browsers", [Pattern("Browser", compare=3)]),
                    3: ("Photos", [Pattern("Holiday", STARTS_WITH)])},
            hot_keys=[(1, HIDE_ONLY, Keys("ctrl+alt", "C")), (2, HIDE_ONLY, Keys("ctrl+alt", "B"))],
            timers=[clock_timer(1, 60, 180), stopwatch(3, 25)], width=760, height=480)
    logs = pathlib.Path(tempfile.mkdtemp(prefix="hushcloak-pictures-"))
    peer = driver.Peer(*PEERS, output=logs / "peer.txt")
    program = driver.Hushcloak(logs / "hushcloak.txt")
    try:
        driver.wait_for_window(MAIN)
        for name, tab in PAGES.items():
            driver.activate(MAIN)
            driver.select(MAIN, "tab", tab)
            if name == "hidden_windows":
                # The group's hot key hides the chat.
                driver.press_keys("ctrl+alt+c", window_title=MAIN)
                driver.wait_until(lambda: not peer.visible("Team Chat"), "the chat hidden")
                driver.activate(MAIN)
            picture(output / f"{name}.png", geometry(MAIN))
        driver.select(MAIN, "tab", PAGES["window_groups"])
        driver.select(MAIN, "row", "Web Browsers")
        driver.click(MAIN, "control", "Edit")
        driver.wait_for_window("Window Group Editor")
        picture(output / "group_editor.png", geometry("Window Group Editor"))
        driver.click_button("Window Group Editor", "Cancel")
        driver.wait_for_no_window("Window Group Editor")

        # The menu opens beside the icon, at the top left of the display; the keys that open
        # its first submenu go to the menu's thread.
        driver.click(TRAY, "control", "", button="3")
        driver.wait_until(lambda: menus() == 1, "the tray menu")
        for key in (VK_DOWN, VK_RIGHT):
            driver.probe("post", MAIN, str(WM_KEYDOWN), str(key), "0")
        driver.wait_until(lambda: menus() == 2, "its first submenu")
        picture(output / "tray_menu.png", (0, 0, 420, 300))
    finally:
        program.kill()
        peer.kill()
        driver.wipe_data_folder()


if __name__ == "__main__":
    main(pathlib.Path(sys.argv[1]).resolve())
