"""The ignore list editor of the real program, opened from its "&Edit" menu."""

import time
import unittest

import driver

MAIN_TITLE = "Hushcloak"
EDITOR = "Ignore List Editor"
PATTERN_EDITOR = "String Pattern Editor"
EDIT_IGNORE_LIST_COMMAND = 40031
EXIT_COMMAND = 40001


def x_window_shown(title):
    try:
        return bool(driver.xdotool("search", "--onlyvisible", "--name", f"^{title}$").split())
    except driver.DriverError:
        return False


class IgnoreListEditor(driver.WineTestCase):
    def setUp(self):
        super().setUp()
        self.peer = self.start_peer("Ledger in view")
        self.secret = self.peer.open("Ledger kept secret")
        self.program = self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)

    def open_editor(self):
        driver.post_command(MAIN_TITLE, EDIT_IGNORE_LIST_COMMAND)
        driver.wait_for_window(EDITOR)

    def add_rule(self, phrase, screenshot=None):
        """Adds a "Window Title" "Contains" rule through the String Pattern Editor."""
        driver.click_button(EDITOR, "Add")
        driver.wait_for_window(PATTERN_EDITOR)
        # The phrase box has the keyboard focus when the editor opens.
        driver.focus_window(PATTERN_EDITOR)
        driver.xdotool("type", "--delay", "40", phrase)
        # Wine may still be delivering the typed keys; OK before the last one would store a cut
        # phrase and hand the rest of the keys to the list editor.
        driver.wait_until(lambda: phrase in driver.window_texts(PATTERN_EDITOR),
                          "the whole phrase in the pattern editor")
        if screenshot:
            driver.screenshot(screenshot)
        driver.click_button(PATTERN_EDITOR, "OK")
        driver.wait_for_no_window(PATTERN_EDITOR)

    def visible(self, index):
        return next(window for window in self.peer.windows() if window.index == index).visible

    def test_a_window_added_to_the_ignore_list_leaves_the_lists_after_close(self):
        self.open_editor()
        texts = driver.window_texts(EDITOR)
        for caption in ("Add", "Edit", "Duplicate", "Remove", "&Close"):
            self.assertIn(caption, texts)
        self.add_rule("kept secret", screenshot="string_pattern_editor_over_the_ignore_list")
        driver.screenshot("ignore_list_editor_with_a_new_rule")
        driver.click_button(EDITOR, "&Close")
        driver.wait_for_no_window(EDITOR)
        driver.wait_until(lambda: not x_window_shown(EDITOR), "the editor to leave the display")
        # The picture is for people: give Wine a moment to repaint what the editor covered.
        time.sleep(0.5)
        driver.screenshot("visible_windows_without_the_ignored_window")

        # "Hide All" on the visible windows page hides every window the page lists (and sends
        # the main window to the tray).
        driver.click_button(MAIN_TITLE, "Hide All")
        driver.wait_until(lambda: not self.visible(0), "the listed window to be hidden")
        self.assertTrue(self.visible(self.secret), "the ignored window was listed")

    def test_the_close_box_keeps_the_changes(self):
        self.open_editor()
        self.add_rule("kept secret")
        driver.press_keys("alt+F4", window_title=EDITOR)
        driver.wait_for_no_window(EDITOR)

        driver.post_command(MAIN_TITLE, EXIT_COMMAND)
        self.assertEqual(self.program.wait(), 0)
        self.assertIn('phrase="kept secret"', driver.read_data_file("ignore_list.xml"))


if __name__ == "__main__":
    unittest.main()
