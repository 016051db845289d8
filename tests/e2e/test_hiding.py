"""Hiding and showing other programs' windows with real key presses on global hot keys."""

import unittest

import driver
from data_files import (
    CONTAINS, EXACTLY_MATCHES, HIDE_ACTIVE_WINDOW, HIDE_ALL_EXCEPT_ACTIVE, HIDE_ALL_WINDOWS,
    SHOW_ALL_WINDOWS, STARTS_WITH, TOGGLE_ALL_WINDOWS, TOGGLE_VISIBILITY, Group, GroupHotKey, Keys,
    Pattern, prepare,
)

MAIN_TITLE = "Hushcloak"


def peer_state(peer, index):
    return next(window for window in peer.windows() if window.index == index)


def wait_for_visibility(peer, expected, description, timeout=driver.TIMEOUT):
    """Waits until every peer window named in `expected` (index -> visible) is as given."""

    def matches():
        windows = {window.index: window for window in peer.windows()}
        return all(windows[index].visible == visible for index, visible in expected.items())

    driver.wait_until(matches, description, timeout)


def main_window_visible():
    return driver.find_window(MAIN_TITLE) is not None


class GroupHotKeys(driver.WineTestCase):
    TOGGLE = Keys("ctrl+alt", "T")

    def test_toggle_hides_the_group_then_shows_exactly_those_windows_as_they_were(self):
        prepare(
            groups=[Group(7, "Toggled", (Pattern("Toggle member", STARTS_WITH),))],
            group_hot_keys=[GroupHotKey(7, TOGGLE_VISIBILITY, self.TOGGLE)],
        )
        # The window that the program brings to the front at the end of showing is the member
        # lowest in the Z order, so the window opened first stays in its normal state.
        peer = self.start_peer("Toggle member normal")
        minimised = peer.open("Toggle member minimised")
        maximised = peer.open("Toggle member maximised")
        already_hidden = peer.open("Toggle member hidden by its own program")
        bystander = peer.open("Toggle bystander")
        peer.minimize(minimised)
        peer.maximize(maximised)
        peer.hide(already_hidden)
        members = (0, minimised, maximised)
        before = {index: peer_state(peer, index).show_command for index in members}
        self.assertEqual(
            list(before.values()),
            [driver.SW_SHOWNORMAL, driver.SW_SHOWMINIMIZED, driver.SW_SHOWMAXIMIZED],
        )
        self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)

        driver.press_keys(self.TOGGLE.xdotool, window_title="Toggle bystander")
        wait_for_visibility(
            peer, {0: False, minimised: False, maximised: False, bystander: True},
            "the group's windows to be hidden",
        )

        driver.press_keys(self.TOGGLE.xdotool, window_title="Toggle bystander")
        wait_for_visibility(
            peer, {0: True, minimised: True, maximised: True}, "the group's windows to be shown"
        )
        after = {index: peer_state(peer, index).show_command for index in members}
        self.assertEqual(after, before)
        # A window this program did not hide is never shown by it.
        self.assertFalse(peer_state(peer, already_hidden).visible)
        self.assertTrue(peer_state(peer, bystander).visible)

    def test_a_third_press_hides_the_group_again(self):
        prepare(
            groups=[Group(2, "Again", (Pattern("again", CONTAINS),))],
            group_hot_keys=[GroupHotKey(2, TOGGLE_VISIBILITY, self.TOGGLE)],
        )
        peer = self.start_peer("Hidden again and again", "Third press bystander")
        self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        for visible in (False, True, False):
            driver.press_keys(self.TOGGLE.xdotool, window_title="Third press bystander")
            wait_for_visibility(peer, {0: visible, 1: True}, f"the window visible: {visible}")


class ProgramWideEvents(driver.WineTestCase):
    EVENTS = {
        TOGGLE_ALL_WINDOWS: Keys("ctrl+alt", "V"),
        HIDE_ACTIVE_WINDOW: Keys("ctrl+alt", "A"),
        HIDE_ALL_EXCEPT_ACTIVE: Keys("ctrl+alt", "E"),
        SHOW_ALL_WINDOWS: Keys("ctrl+alt", "S"),
        HIDE_ALL_WINDOWS: Keys("ctrl+alt", "H"),
    }
    FIRST = "Events first window"
    SECOND = "Events second window"
    IGNORED = "Events ignored window"

    def setUp(self):
        super().setUp()
        prepare(ignore=[Pattern(self.IGNORED, EXACTLY_MATCHES)], events=self.EVENTS)
        self.peer = self.start_peer(self.FIRST, self.SECOND, self.IGNORED)
        self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)

    def press(self, event, active):
        driver.activate(active)
        driver.press_keys(self.EVENTS[event].xdotool, window_title=active)

    def wait_for(self, first, second, description):
        wait_for_visibility(self.peer, {0: first, 1: second, 2: True}, description)

    def test_hide_the_active_window_hides_only_the_window_in_front(self):
        self.press(HIDE_ACTIVE_WINDOW, self.FIRST)
        self.wait_for(False, True, "the active window to be hidden")
        self.assertTrue(main_window_visible())

    def test_hide_the_active_window_leaves_an_ignored_window_alone(self):
        self.press(HIDE_ACTIVE_WINDOW, self.IGNORED)
        # The program acts within moments of the key; then nothing may have changed.
        with self.assertRaises(driver.DriverError):
            driver.wait_until(
                lambda: not all(window.visible for window in self.peer.windows()),
                "any window to be hidden", timeout=3,
            )

    def test_hide_all_except_active_window_hides_the_others_and_the_main_window(self):
        self.press(HIDE_ALL_EXCEPT_ACTIVE, self.SECOND)
        self.wait_for(False, True, "every window but the active one to be hidden")
        driver.wait_until(lambda: not main_window_visible(), "the main window to be hidden")

    def test_hide_all_windows_then_show_all_windows(self):
        self.press(HIDE_ALL_WINDOWS, self.IGNORED)
        self.wait_for(False, False, "every window to be hidden")
        driver.wait_until(lambda: not main_window_visible(), "the main window to be hidden")

        self.press(SHOW_ALL_WINDOWS, self.IGNORED)
        self.wait_for(True, True, "the hidden windows to be shown")
        # The main window went to the tray; showing the hidden windows does not bring it back.
        self.assertFalse(main_window_visible())

    def test_show_all_windows_never_shows_a_window_this_program_did_not_hide(self):
        self.peer.hide(1)
        self.press(HIDE_ALL_WINDOWS, self.IGNORED)
        self.wait_for(False, False, "the visible window to be hidden")
        self.press(SHOW_ALL_WINDOWS, self.IGNORED)
        wait_for_visibility(self.peer, {0: True}, "the window this program hid to be shown")
        with self.assertRaises(driver.DriverError):
            wait_for_visibility(self.peer, {1: True}, "the other window", timeout=3)

    def test_toggle_visibility_of_all_windows(self):
        self.press(TOGGLE_ALL_WINDOWS, self.IGNORED)
        self.wait_for(False, False, "every window to be hidden")
        driver.wait_until(lambda: not main_window_visible(), "the main window to be hidden")
        self.press(TOGGLE_ALL_WINDOWS, self.IGNORED)
        self.wait_for(True, True, "every window to be shown again")


if __name__ == "__main__":
    unittest.main()
