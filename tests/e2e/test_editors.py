"""The group, hot key and timer editors of the real program, worked with the mouse and the
keyboard over a peer window: what is made in them works at once and again after a restart.

The main window opens at a fixed place and size, so the pages' tabs, rows and buttons are
clicked where they are drawn; the editors are filled in with the keyboard.
"""

import time
import unittest

import driver
from data_files import prepare

MAIN_TITLE = "Hushcloak"
GROUP_EDITOR = "Window Group Editor"
EXIT_COMMAND = 40001
WINDOW_X = 60
WINDOW_Y = 40
GROUPS_PAGE = 2

# Points in a 900 x 560 main window, from its top left corner.
TAB_Y = 69
TAB_X = (79, 191, 301, 391, 481)
GROUPS_FIRST_ROW = (200, 161)
GROUPS_ADD = (80, 147)
GROUPS_HIDE_ALL = (81, 256)
GROUPS_SHOW_ALL = (81, 284)

MEMBER = "Quarterly Report - Writer"
BYSTANDER = "Holiday Photos - Viewer"


def click_at(point):
    x, y = point
    driver.xdotool("mousemove", str(WINDOW_X + x), str(WINDOW_Y + y))
    driver.xdotool("click", "1")
    time.sleep(0.3)


def show_page(index):
    driver.focus_window(MAIN_TITLE)
    click_at((TAB_X[index], TAB_Y))


def type_text(text):
    driver.xdotool("type", "--delay", "40", text)


def save_screenshot(name):
    # The picture is for people: give Wine a moment to paint what changed.
    time.sleep(0.5)
    print(f"\n  saved {driver.screenshot(name)}")


class Editors(driver.WineTestCase):
    def setUp(self):
        super().setUp()
        prepare(x=WINDOW_X, y=WINDOW_Y, width=900, height=560)
        self.peer = self.start_peer(MEMBER, BYSTANDER)

    def start(self):
        program = self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        return program

    def exit(self, program):
        driver.post_command(MAIN_TITLE, EXIT_COMMAND)
        self.assertEqual(program.wait(), 0)

    def visible(self, title):
        return next(window.visible for window in self.peer.windows() if window.title == title)

    def wait_for_member(self, visible):
        driver.wait_until(lambda: self.visible(MEMBER) == visible,
                          f'the member window to be {"shown" if visible else "hidden"}')

    def make_group(self, name, phrase):
        """A group of one "Window Title" "Contains" pattern, made in the Window Group Editor."""
        show_page(GROUPS_PAGE)
        click_at(GROUPS_ADD)
        driver.wait_for_window(GROUP_EDITOR)
        # The name box has the focus with the whole name selected, so typing replaces it; the
        # phrase box is three tab stops further, past the target and comparison lists.
        driver.focus_window(GROUP_EDITOR)
        type_text(name)
        driver.xdotool("key", "Tab", "Tab", "Tab")
        type_text(phrase)
        driver.click_button(GROUP_EDITOR, "Add Pattern")
        save_screenshot("window_group_editor")
        driver.click_button(GROUP_EDITOR, "OK")
        driver.wait_for_no_window(GROUP_EDITOR)

    def hide_and_show_first_group(self):
        show_page(GROUPS_PAGE)
        click_at(GROUPS_FIRST_ROW)
        click_at(GROUPS_HIDE_ALL)
        self.wait_for_member(False)
        self.assertTrue(self.visible(BYSTANDER))
        click_at(GROUPS_SHOW_ALL)
        self.wait_for_member(True)

    def test_a_group_made_in_the_editor_hides_its_windows_and_survives_a_restart(self):
        program = self.start()
        self.make_group("Reports", "Quarterly Report")
        save_screenshot("window_groups_with_a_new_group")
        self.hide_and_show_first_group()
        self.exit(program)
        groups = driver.read_data_file("groups.xml")
        self.assertIn('name="Reports"', groups)
        self.assertIn('phrase="Quarterly Report"', groups)

        program = self.start()
        self.hide_and_show_first_group()
        self.exit(program)


if __name__ == "__main__":
    unittest.main()
