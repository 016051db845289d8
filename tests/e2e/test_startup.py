"""Start-up and the main window: the first start's folder, files and log, a second instance,
damaged files set aside in a data folder on a share, the start at sign-in, the saved
placement and minimum size, closing to the tray, hot keys the system refuses, and the
installer."""

import os
import pathlib
import re
import unittest

import driver
from data_files import EXACTLY_MATCHES, HIDE_ONLY, MAIN, Keys, Pattern, prepare

LIST_FILES = ("ignore_list.xml", "groups.xml", "hotkeys.xml", "timers.xml")
ERROR = "Hot Key Error"
ON_SHARE = "\\\\hushcloak/roaming/Hushcloak/"
WM_SYSCOMMAND, SC_RESTORE = 0x112, 0xF120
WM_COMMAND, MINIMIZE_TO_TRAY, START_AT_SIGN_IN = 0x111, 40010, 40050


def windows_path(linux_path):
    """The path under which a program in the test prefix sees a Linux path."""
    path = pathlib.Path(linux_path).resolve()
    drive_c = (pathlib.Path(os.environ["WINEPREFIX"]) / "drive_c").resolve()
    if path.is_relative_to(drive_c):
        return "C:\\" + "\\".join(path.relative_to(drive_c).parts)
    return "Z:" + str(path).replace("/", "\\")


def first_start_log():
    cwd = "Z:" + str(pathlib.Path.cwd().resolve()).replace("/", "\\")
    lines = [f"Current directory: [{cwd}\\]",
             f"Application directory: [{driver.SHARE}\\Hushcloak]"]
    for name, outcome in (("settings.xml", "Settings loaded successfully."),
                          ("ignore_list.xml", "Unable to load ignore list."),
                          ("groups.xml", "Unable to load group list."),
                          ("hotkeys.xml", "Unable to load hot key list."),
                          ("timers.xml", "Unable to load timer list."),
                          ("hidden_windows.xml", "Unable to load hidden window list.")):
        path = ON_SHARE + name
        lines += [f"Unable to load file: {path}.", f"Unable to load configuration: {path}", outcome]
    return lines


def log_lines():
    """The log's lines once written, each ending in CR LF."""
    path = driver.data_folder() / "log.xml"
    text = driver.read_log() if path.exists() else ""
    return text[:-2].split("\r\n") if text.endswith("\r\n") else None


def box_says(title, text):
    try:
        return any(text in line for line in driver.window_texts(title))
    except driver.DriverError:
        return False


def post_quit():
    driver.wait_until(lambda: driver.probe("quit", "hushcloak.exe")[0] == 0, "a program to end")


def geometry():
    x_window = driver.xdotool("search", "--name", f"^{MAIN}$").split()[0]
    values = dict(line.split("=") for line in
                  driver.xdotool("getwindowgeometry", "--shell", x_window).split())
    return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


class StartUp(driver.WineTestCase):
    def test_first_start_on_a_share_a_second_instance_and_damaged_files_in_the_next_run(self):
        driver.data_folder_on_share(self)
        first = self.start_hushcloak()
        lines = driver.wait_until(log_lines, "the log written at the end of start-up")
        self.assertEqual(lines, first_start_log())
        self.assertFalse(any((driver.data_folder() / name).exists() for name in LIST_FILES))
        written = (driver.data_folder() / "log.xml").stat().st_mtime_ns
        driver.post_command(MAIN, MINIMIZE_TO_TRAY)
        driver.wait_for_no_window(MAIN)
        second = self.start_hushcloak()
        self.assertEqual(second.wait(), 0)
        self.assertEqual((driver.data_folder() / "log.xml").stat().st_mtime_ns, written)
        self.assertTrue(first.running)
        driver.wait_for_window(MAIN)
        driver.post_command(MAIN, START_AT_SIGN_IN)
        driver.wait_until(lambda: 'start_at_sign_in="true"' in driver.read_data_file(
            "settings.xml"), "the option saved")
        exe = windows_path(driver.setting("HUSHCLOAK_EXE"))
        self.assertEqual(driver.run_entry(), f'"{exe}" /tray')
        post_quit()
        self.assertEqual(first.wait(), 0)
        self.assertEqual(sorted(path.name for path in driver.data_folder().iterdir()),
                         sorted(("log.xml", "settings.xml", "hidden_windows.xml") + LIST_FILES))

        # What could not be read is kept as it was, and the user is told where.
        folder = driver.data_folder()
        damaged = {"groups.xml": (folder / "groups.xml").read_bytes().replace(b"groups>", b"grups>"),
                   "timers.xml": (folder / "timers.xml").read_bytes()[:30]}
        for name, data in damaged.items():
            (folder / name).write_bytes(data)
        # The start at sign-in, which leaves the window in the tray.
        self.start_hushcloak("/TRAY")
        # A Wine program started while this one looks up its folder on the share can hang, so
        # the first look at the windows waits for the log that ends the start-up.
        driver.wait_until(lambda: "Ignore list loaded successfully." in (log_lines() or []),
                          "the next run to load what the first saved")
        driver.wait_for_window("Files Set Aside")
        for name, data in damaged.items():
            self.assertIn(f"{ON_SHARE}{name}.unreadable", driver.window_texts("Files Set Aside"))
            self.assertEqual((folder / f"{name}.unreadable").read_bytes(), data)
            self.assertIn(f"Unreadable file kept as: {ON_SHARE}{name}.unreadable", log_lines())
        driver.click_button("Files Set Aside", "OK")
        driver.wait_for_window("Wine System Tray")
        self.assertIsNone(driver.find_window(MAIN))
        self.assertEqual(self.start_hushcloak("/tray").wait(), 0)
        driver.probe("post", MAIN, str(WM_COMMAND), str(START_AT_SIGN_IN), "0")
        driver.wait_until(lambda: driver.run_entry() is None, "the Run entry removed")
        self.assertIsNone(driver.find_window(MAIN))
        self.assertEqual(self.start_hushcloak("/other").wait(), 0)
        driver.wait_for_window(MAIN)

    def test_placement_minimum_size_and_closing_to_the_tray(self):
        # Saved on a monitor that is gone; maximised, the pages fill the screen at once.
        prepare(x=-3000, y=-2000, width=720, height=480, maximized=True)
        program = self.start_hushcloak()
        self.assertEqual(driver.wait_for_window(MAIN).show_command, driver.SW_SHOWMAXIMIZED)
        self.assertGreater(driver.spot(MAIN, "control", "Activate Window")[0],
                           1.8 * driver.spot(MAIN, "client")[0])
        driver.probe("post", MAIN, str(WM_SYSCOMMAND), str(SC_RESTORE), "0")
        screen = tuple(map(int, driver.xdotool("getdisplaygeometry").split()))
        driver.wait_until(lambda: geometry()[2:] == (720, 480), "the restored size")
        x, y, width, height = geometry()
        self.assertTrue(0 <= x <= screen[0] - width and 0 <= y <= screen[1] - height, geometry())
        program.kill()
        prepare(groups={5: ("Closing", [Pattern("Closing peer", EXACTLY_MATCHES)])},
                hot_keys=[(5, HIDE_ONLY, Keys("ctrl+alt", "C"))], width=800, height=600)
        peer = self.start_peer("Closing peer", "Closing bystander")
        program = self.start_hushcloak()
        driver.wait_for_window(MAIN)
        driver.wait_until(lambda: geometry() == (100, 100, 800, 600), "the saved placement")
        driver.screenshot("main_window")
        # The bottom right corner of the frame, dragged far up and to the left.
        x, y, width, height = geometry()
        driver.xdotool("mousemove", str(x + width - 3), str(y + height - 3), "mousedown", "1")
        for point in ((x + 600, y + 400), (x + 300, y + 200), (x + 100, y + 100)):
            driver.xdotool("mousemove", *map(str, point))
        driver.xdotool("mouseup", "1")
        driver.wait_until(lambda: geometry()[2:] == (640, 400), "the minimum size")
        driver.wait_until(lambda: re.search(r'<size maximized="false" x="640" y="400"',
                                            driver.read_data_file("settings.xml")),
                          "the minimum size saved")
        driver.press_keys("alt+F4", window_title=MAIN)
        driver.wait_for_no_window(MAIN)
        self.assertTrue(program.running)
        driver.press_keys("ctrl+alt+c", window_title="Closing bystander")
        driver.wait_until(lambda: not peer.visible("Closing peer"), "the hot key to still work")

    def test_refused_hot_keys_get_one_error_box_each_and_the_rest_work(self):
        same, held, free = Keys("ctrl+alt", "D"), Keys("ctrl+alt", "G"), Keys("ctrl+alt", "F")
        peer = self.start_peer("First", "Second")
        held_id = peer.register_hot_key(driver.MOD_CONTROL | driver.MOD_ALT, ord("G"))
        prepare(groups={1: ("First", [Pattern("First")]), 2: ("Second", [Pattern("Second")])},
                hot_keys=[(1, HIDE_ONLY, same), (2, HIDE_ONLY, same), (2, HIDE_ONLY, held),
                          (2, HIDE_ONLY, free)])
        program = self.start_hushcloak()
        for keys in (same, held):
            driver.wait_until(lambda: box_says(ERROR, f"register global hot key: {keys.text}."),
                              f"the error box for {keys.text}")
            driver.click_button(ERROR, "OK")
        driver.wait_for_window(MAIN)
        with self.assertRaises(driver.DriverError):
            driver.wait_for_window(ERROR, timeout=3)
        self.assertTrue(program.running)
        # The first of two holds the combination; the other program keeps its own.
        driver.press_keys(same.xdotool, window_title="Second")
        driver.wait_until(lambda: not peer.visible("First"), "the first group to be hidden")
        driver.press_keys(held.xdotool, window_title="Second")
        self.assertEqual(peer.next_event(), f"hotkey {held_id}")
        self.assertTrue(peer.visible("Second"))
        driver.press_keys(free.xdotool, window_title="Second")
        driver.wait_until(lambda: not peer.visible("Second"), "the free key to work")

    def test_install_start_at_sign_in_and_uninstall(self):
        """A silent installation, the installed program started as sign-in starts it, and a
        silent uninstallation that keeps the data folder."""
        roaming = pathlib.Path(driver.setting("HUSHCLOAK_APPDATA_DIR"))
        folder = roaming.parent / "Local" / "Programs" / "Hushcloak"
        shortcut = roaming / "Microsoft" / "Windows" / "Start Menu" / "Programs" / "Hushcloak.lnk"
        setup = driver.run_wine(driver.setting("HUSHCLOAK_INSTALLER"), "/S", "/SIGNIN")
        self.assertEqual(setup.returncode, 0)
        self.assertTrue((folder / "README.md").is_file() and shortcut.is_file())
        exe = windows_path(folder / "hushcloak.exe")
        self.assertEqual(driver.run_entry(), f'"{exe}" /tray')

        program = self.start_hushcloak("/tray", program=str(folder / "hushcloak.exe"))
        driver.wait_for_window("Wine System Tray")
        self.assertIsNone(driver.find_window(MAIN))
        driver.probe("quit", "hushcloak.exe")
        self.assertEqual(program.wait(), 0)

        removal = driver.run_wine(str(folder / "uninstall.exe"), "/S", f"_?={windows_path(folder)}")
        self.assertEqual(removal.returncode, 0)
        self.assertFalse((folder / "hushcloak.exe").exists() or shortcut.exists())
        self.assertIsNone(driver.run_entry())
        self.assertTrue((driver.data_folder() / "settings.xml").is_file())


if __name__ == "__main__":
    unittest.main()
