"""The real tray icon in Wine's notification area and its menu, working on peer windows."""

import unittest

import driver
from data_files import MAIN, STARTS_WITH, Pattern, clock_timer, prepare

# Without a taskbar, Wine shows the notification area as a window of its own; the test keeps it
# out of the program's lists, as a user would, so that hiding everything leaves it alone.
TRAY = "Wine System Tray"
CALLBACK_MESSAGE, WM_KEYDOWN, WM_CHAR = 9321, 0x100, 0x102
# The icon's events as the shell reports the keyboard's: the menu key, Enter.
WM_CONTEXTMENU, NIN_KEYSELECT = 0x7B, 0x401
VK_RETURN, VK_RIGHT, VK_DOWN = 13, 39, 40
# The menu's items as the keyboard reaches them (separators are skipped).
TIMERS, HIDE_WINDOW, SHOW_ALL, HIDE_ALL = 3, 4, 6, 7
EDITOR = "Visibility Timer Editor"



def menu_is_open():
    return any(w.visible and w.class_name == "#32768" for w in driver.top_level_windows())


def post(message, wparam, lparam=0):
    driver.probe("post", MAIN, str(message), str(wparam), str(lparam))


def icon_event(event):
    """What the shell sends when the keyboard reaches the icon, which Wine's tray cannot do."""
    x, y, _ = driver.spot(TRAY, "control", "")
    post(CALLBACK_MESSAGE, y << 16 | x, CALLBACK_MESSAGE << 16 | event)


def choose(item, *then, keyboard=False):
    """Opens the menu with a right click on the icon (or the menu key) and picks an item with
    keys. While the main window is in the tray, the display's keyboard focus stays with another
    program, so the keys go to the menu's thread as the system would queue them."""
    if keyboard:
        icon_event(WM_CONTEXTMENU)
        driver.wait_until(menu_is_open, "the tray menu to open")
    else:
        driver.click_until(menu_is_open, "the tray menu to open", TRAY, "control", "", button="3")
    for key in [VK_DOWN] * item + list(then):
        if isinstance(key, tuple):
            post(*key)
        else:
            post(WM_KEYDOWN, key)
    driver.wait_until(lambda: not menu_is_open(), "the tray menu to close")


class TrayMenu(driver.WineTestCase):
    def test_the_menu_works_on_the_windows_of_the_moment_and_exit_takes_the_icon_away(self):
        prepare(groups={3: ("Tray Peers", [Pattern("Tray peer", STARTS_WITH)])},
                ignore=[Pattern(TRAY), Pattern("Tray notes")], timers=[clock_timer(3, -180, 60)])
        # The peer goes first: the notification area is then up before the icon is added.
        peer = self.start_peer("Tray peer first")
        program = self.start_hushcloak()
        driver.wait_for_window(MAIN)
        driver.wait_for_window(TRAY)
        x, y, _ = driver.spot(TRAY, "control", "")
        driver.xdotool("mousemove", str(x), str(y + 1), "mousemove", str(x), str(y))
        driver.wait_until(lambda: driver.probe("tips")[1].split() == ["Hushcloak"], "the tip")
        peer.open("Tray peer opened later")
        # "Hide Window" lists the windows of the moment, the one on top first.
        choose(HIDE_WINDOW, VK_RIGHT, VK_RETURN)
        driver.wait_until(lambda: not peer.visible("Tray peer opened later"), "it to be hidden")
        self.assertTrue(peer.visible("Tray peer first"))
        self.assertIsNotNone(driver.find_window(MAIN))

        peer.open("Tray notes")
        peer.do("hide", peer.open("Tray peer hidden by its own program"))
        choose(HIDE_ALL, VK_RETURN, keyboard=True)
        driver.wait_until(lambda: not peer.visible("Tray peer first"), "every window hidden")
        driver.wait_for_no_window(MAIN)
        self.assertTrue(peer.visible("Tray notes"))

        driver.activate("Tray notes")
        choose(SHOW_ALL, VK_RETURN)
        driver.wait_until(lambda: peer.visible("Tray peer first") and
                          peer.visible("Tray peer opened later"), "the hidden windows shown")
        self.assertFalse(peer.visible("Tray peer hidden by its own program"))
        self.assertIsNone(driver.find_window(MAIN))

        icon_event(NIN_KEYSELECT)
        driver.wait_for_window(MAIN)
        # The timers page's button follows a switch from the menu. While an editor is open the
        # menu is refused, lest the editor's copy undo its switch, and the editor comes forward.
        driver.activate(MAIN)
        driver.select(MAIN, "tab", "Visibility Timers")
        driver.select(MAIN, "row", 'Applies to group "Tray Peers"')
        driver.spot(MAIN, "control", "Deactivate")
        choose(TIMERS, VK_RIGHT, VK_RETURN)
        driver.spot(MAIN, "control", "Activate")
        driver.click(MAIN, "control", "Edit")
        driver.wait_for_window(EDITOR)
        driver.activate("Tray notes")
        icon_event(WM_CONTEXTMENU)
        driver.wait_until(lambda: driver.foreground_title() == EDITOR, "the editor in front")
        self.assertFalse(menu_is_open())
        driver.click_button(EDITOR, "Cancel")
        driver.post_command(MAIN, 40010)
        driver.wait_for_no_window(MAIN)
        driver.click_until(lambda: driver.find_window(MAIN), "a click to show it", TRAY, "control",
                           "")
        choose(0, (WM_CHAR, ord("x")))
        self.assertEqual(program.wait(), 0)
        # The notification area closes once its last icon is gone.
        driver.wait_for_no_window(TRAY)


if __name__ == "__main__":
    unittest.main()
