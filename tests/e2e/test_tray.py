"""The tray icon and its menu: the real icon in Wine's notification area, and the menu working on
peer windows of another process."""

import time
import unittest

import driver
from data_files import STARTS_WITH, ClockTimer, Group, Pattern, local_time, prepare

MAIN_TITLE = "Hushcloak"
# Without a taskbar, Wine shows the notification area as a window of its own. The tests keep it
# out of the program's lists, as a user would, so that hiding everything does not take it away.
TRAY_TITLE = "Wine System Tray"

CALLBACK_MESSAGE = 9321
WM_RBUTTONDOWN = 0x204

# Where the program's icon, the only one, sits on the display.
ICON = (13, 32)
# Where the tests open the menu, and its items' offsets from there: rows of 17 pixels, separators
# of 9, inside a border of 3.
MENU_AT = (400, 560)
ITEM_OFFSETS = {"Show All Windows": 3 + 112 + 8, "Hide All Windows": 3 + 129 + 8}


def menu_is_open():
    return any(
        window.visible and window.class_name == "#32768" for window in driver.top_level_windows()
    )


def open_tray_menu():
    """Right-clicks the tray icon, as the notification area reports it, with the pointer at
    MENU_AT, and waits for the menu."""
    driver.xdotool("mousemove", str(MENU_AT[0]), str(MENU_AT[1]))
    code, _ = driver.probe("post", MAIN_TITLE, str(CALLBACK_MESSAGE), str(CALLBACK_MESSAGE),
                           str(WM_RBUTTONDOWN))
    if code != 0:
        raise driver.DriverError(f"no window {MAIN_TITLE} to post the tray click to")
    driver.wait_until(menu_is_open, "the tray menu to open")


def click_item(text):
    x, y = MENU_AT
    driver.xdotool("mousemove", str(x + 40), str(y + ITEM_OFFSETS[text]), "click", "1")
    driver.wait_until(lambda: not menu_is_open(), "the tray menu to close")


def press_in_menu(*keys):
    """Keys for the open menu, which the program's main window receives while it is in front."""
    driver.xdotool("key", "--delay", "150", *keys)


def point_at_icon():
    """Moves the pointer over the real tray icon, as a user does on the way to clicking it."""
    driver.xdotool("mousemove", str(ICON[0]), str(ICON[1]))


def visibility(peer):
    return {window.title: window.visible for window in peer.windows()}


def wait_for_visibility(peer, expected, description):
    driver.wait_until(
        lambda: all(visibility(peer)[title] == shown for title, shown in expected.items()),
        description,
    )


def a_timer_outside_its_period(group_id):
    now = local_time()
    return ClockTimer(group_id, (now.tm_hour + 3) % 24, 0, 1, 0, enabled=True)


class TrayMenu(driver.WineTestCase):
    def start(self, *titles, ignore=()):
        prepare(
            groups=[Group(3, "Tray Peers", (Pattern("Tray peer", STARTS_WITH),))],
            ignore=(Pattern(TRAY_TITLE),) + tuple(ignore),
            timers=[a_timer_outside_its_period(3)],
        )
        # The peer goes first: the Wine desktop and its notification area are then up before the
        # program adds its icon.
        peer = self.start_peer(*titles)
        program = self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        driver.wait_for_window(TRAY_TITLE)
        return peer, program

    def test_menu_is_built_from_the_windows_of_the_moment(self):
        peer, _ = self.start("Tray peer first")
        peer.open("Tray peer opened later")

        open_tray_menu()
        # Down to "Hide Window" (the separators are skipped), into it: its first entry is the
        # window on top, opened after the program started.
        press_in_menu("Down", "Down", "Down", "Down", "Right")
        time.sleep(1)
        driver.screenshot("tray_menu")
        press_in_menu("Return")

        wait_for_visibility(peer, {"Tray peer opened later": False, "Tray peer first": True},
                            "the chosen window to be hidden")
        self.assertIsNotNone(driver.find_window(MAIN_TITLE))

    def test_hide_all_then_show_all_gives_the_focus_back(self):
        peer, _ = self.start("Tray peer one", ignore=(Pattern("Tray notes"),))
        peer.open("Tray peer two")
        peer.open("Tray notes")
        hidden_by_its_program = peer.open("Tray peer hidden by its own program")
        peer.hide(hidden_by_its_program)

        open_tray_menu()
        click_item("Hide All Windows")

        wait_for_visibility(
            peer, {"Tray peer one": False, "Tray peer two": False, "Tray notes": True},
            "every window but the ignored one to be hidden",
        )
        driver.wait_for_no_window(MAIN_TITLE)

        # The user works in the notes, then reaches for the icon.
        driver.activate("Tray notes")
        point_at_icon()
        time.sleep(1)
        open_tray_menu()
        click_item("Show All Windows")

        wait_for_visibility(peer, {"Tray peer one": True, "Tray peer two": True},
                            "the windows the program hid to be shown")
        driver.wait_until(lambda: driver.foreground_title() == "Tray notes",
                          "the notes to be in front again")
        self.assertFalse(visibility(peer)["Tray peer hidden by its own program"])
        self.assertIsNone(driver.find_window(MAIN_TITLE))

    def test_left_click_on_the_icon_brings_the_main_window_back(self):
        self.start("Tray peer one")
        driver.post_command(MAIN_TITLE, 40010)  # "&Minimize to Tray"
        driver.wait_for_no_window(MAIN_TITLE)

        point_at_icon()
        driver.xdotool("click", "1")

        driver.wait_for_window(MAIN_TITLE)

    def test_exit_from_the_menu_takes_the_icon_away(self):
        _, program = self.start("Tray peer one")

        open_tray_menu()
        press_in_menu("x")

        self.assertEqual(program.wait(), 0)
        # The notification area closes once its last icon is gone.
        driver.wait_for_no_window(TRAY_TITLE)


if __name__ == "__main__":
    unittest.main()
