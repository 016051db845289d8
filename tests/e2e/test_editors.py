"""The group, hot key and timer editors of the real program, worked with the mouse and the
keyboard over a peer window: what is made in them works at once and again after a restart.

The main window opens at a fixed place and size, so the pages' tabs, rows and buttons are
clicked where they are drawn; the editors are filled in with the keyboard.
"""

import time
import unittest

import driver
from data_files import Keys, prepare

MAIN_TITLE = "Hushcloak"
GROUP_EDITOR = "Window Group Editor"
HOT_KEY_EDITOR = "Hot Key Editor"
TIMER_EDITOR = "Visibility Timer Editor"
ACTIVATE_QUESTION = "Activate Timer"
EXIT_PROMPT = "Hidden Windows"
REMOVE_QUESTION = "Remove Group"
EXIT_COMMAND = 40001
WINDOW_X = 60
WINDOW_Y = 40
GROUPS_PAGE = 2
HOT_KEYS_PAGE = 3
TIMERS_PAGE = 4

# Points in a 900 x 560 main window, from its top left corner.
CAPTION = (700, 12)
TAB_Y = 69
TAB_X = (79, 191, 301, 391, 481)
GROUPS_FIRST_ROW = (200, 161)
GROUPS_ADD = (80, 147)
GROUPS_REMOVE = (80, 203)
GROUPS_HIDE_ALL = (81, 256)
GROUPS_SHOW_ALL = (81, 284)
HOT_KEYS_ADD = (80, 137)
TIMERS_ADD = (80, 137)
TIMERS_FIRST_ROW = (200, 157)
TIMERS_ACTIVATE = (80, 246)

# The Hot Key Editor opens with Ctrl and Shift ticked; the key is chosen in the editor.
HOT_KEY = Keys("ctrl+shift", "Q")

MEMBER = "Quarterly Report - Writer"
BYSTANDER = "Holiday Photos - Viewer"


def click_at(point):
    x, y = point
    driver.xdotool("mousemove", str(WINDOW_X + x), str(WINDOW_Y + y))
    driver.xdotool("click", "1")
    time.sleep(0.3)


def show_page(index):
    # A click on the caption first: a peer window the program just showed lies in front of it.
    driver.focus_window(MAIN_TITLE)
    click_at(CAPTION)
    click_at((TAB_X[index], TAB_Y))


def type_text(text):
    driver.xdotool("type", "--delay", "40", text)
    # Wine reads the keys from the display in its own time; let them arrive before a click
    # that the probe sends by another way.
    time.sleep(0.5)


def focus_editor(title):
    """Waits for the editor to open in front with the keyboard focus, so that keys reach it."""
    driver.wait_for_window(title)
    driver.focus_window(title)
    driver.wait_until(lambda: driver.foreground_title() == title, f'"{title}" to be in front')


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
        # The name box has the focus with the whole name selected, so typing replaces it; the
        # phrase box is three tab stops further, past the target and comparison lists.
        focus_editor(GROUP_EDITOR)
        type_text(name)
        driver.xdotool("key", "--delay", "40", "Tab", "Tab", "Tab")
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

    def make_hot_key(self):
        """A "Toggle Visibility" hot key on the first group, made in the Hot Key Editor."""
        show_page(HOT_KEYS_PAGE)
        click_at(HOT_KEYS_ADD)
        # From the group list, the key list is six tab stops on: past the action list and the
        # four modifier boxes. Typing a letter there chooses that key.
        focus_editor(HOT_KEY_EDITOR)
        driver.xdotool("key", "--delay", "40", *["Tab"] * 6)
        type_text(HOT_KEY.key.lower())
        save_screenshot("hot_key_editor")
        driver.click_button(HOT_KEY_EDITOR, "OK")
        driver.wait_for_no_window(HOT_KEY_EDITOR)

    def make_clock_timer(self):
        """A clock timer on the first group from now for 30 minutes, activated when made."""
        show_page(TIMERS_PAGE)
        click_at(TIMERS_ADD)
        driver.wait_for_window(TIMER_EDITOR)
        save_screenshot("visibility_timer_editor")
        driver.click_button(TIMER_EDITOR, "OK")
        driver.wait_for_window(ACTIVATE_QUESTION)
        driver.click_button(ACTIVATE_QUESTION, "Yes")
        driver.wait_for_no_window(ACTIVATE_QUESTION)

    def press_hot_key(self, member_visible_after):
        driver.press_keys(HOT_KEY.xdotool, window_title=BYSTANDER)
        self.wait_for_member(member_visible_after)

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

    def test_a_group_its_hot_key_and_a_clock_timer_made_in_the_editors_work_after_a_restart(self):
        program = self.start()
        self.make_group("Reports", "Quarterly Report")
        self.make_hot_key()
        self.press_hot_key(member_visible_after=False)
        self.assertTrue(self.visible(BYSTANDER))
        self.press_hot_key(member_visible_after=True)
        self.make_clock_timer()
        self.wait_for_member(False)
        save_screenshot("visibility_timers_with_a_new_timer")

        driver.post_command(MAIN_TITLE, EXIT_COMMAND)
        driver.wait_for_window(EXIT_PROMPT)
        driver.click_button(EXIT_PROMPT, "Yes")
        self.assertEqual(program.wait(), 0)
        self.wait_for_member(True)
        self.assertIn(f'key_code="{HOT_KEY.key_code}"', driver.read_data_file("hotkeys.xml"))
        self.assertIn('enabled="true"', driver.read_data_file("timers.xml"))

        # The timer is active from the start and its period still lasts.
        program = self.start()
        self.wait_for_member(False)
        show_page(TIMERS_PAGE)
        click_at(TIMERS_FIRST_ROW)
        click_at(TIMERS_ACTIVATE)
        self.wait_for_member(True)
        self.press_hot_key(member_visible_after=False)
        self.press_hot_key(member_visible_after=True)

        # Removing the group asks first, then takes its hot key and timer with it.
        show_page(GROUPS_PAGE)
        click_at(GROUPS_FIRST_ROW)
        click_at(GROUPS_REMOVE)
        driver.wait_for_window(REMOVE_QUESTION)
        driver.click_button(REMOVE_QUESTION, "Yes")
        driver.wait_for_no_window(REMOVE_QUESTION)
        driver.press_keys(HOT_KEY.xdotool, window_title=BYSTANDER)
        with self.assertRaises(driver.DriverError):
            driver.wait_until(lambda: not self.visible(MEMBER), "the member to be hidden",
                              timeout=3)
        self.exit(program)
        self.assertNotIn(f'key_code="{HOT_KEY.key_code}"', driver.read_data_file("hotkeys.xml"))
        self.assertNotIn("<rule", driver.read_data_file("timers.xml"))
        self.assertNotIn("<rule", driver.read_data_file("groups.xml"))


if __name__ == "__main__":
    unittest.main()
