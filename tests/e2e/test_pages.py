"""The tab pages of the real program over peer windows, worked with the mouse, with a
screenshot of each page saved into the build tree.

The main window opens at a fixed place and size, so the pages' controls are at fixed points of
the screen: tabs, rows and buttons are clicked where they are drawn.
"""

import time
import unittest

import driver
from data_files import (
    CONTAINS, HIDE_ONLY, STARTS_WITH, TOGGLE_VISIBILITY, ClockTimer, Group, GroupHotKey, Keys,
    Pattern, prepare,
)

MAIN_TITLE = "Hushcloak"
WINDOW_X = 60
WINDOW_Y = 40
PAGES = ("visible_windows", "hidden_windows", "window_groups", "hot_keys", "visibility_timers")

# Points in the main window (from its top left corner) of a 900 x 560 window.
TAB_Y = 69
TAB_X = (79, 191, 301, 391, 481)
# The middle of the first row of each page's list.
FIRST_ROW = ((120, 151), (120, 151), (200, 161), (200, 157), (200, 157))
ROW_HEIGHT = 16
BUTTON_Y = 515
FIRST_BUTTON_X = 85
SECOND_BUTTON_X = 225
LIST_ALL_BOX_X = 436

EDITORS_KEYS = Keys("ctrl+alt", "E")
MAIL_KEYS = Keys("ctrl+shift", "M")
PEER_TITLES = ("Notes - Editor", "Inbox - Mail", "Start Page - Browser", "_scratch pad", "Calculator")


def click_at(point, modifiers=None):
    x, y = point
    driver.xdotool("mousemove", str(WINDOW_X + x), str(WINDOW_Y + y))
    if modifiers:
        driver.xdotool("keydown", modifiers)
    driver.xdotool("click", "1")
    if modifiers:
        driver.xdotool("keyup", modifiers)
    time.sleep(0.3)


def click_row(page, row, modifiers=None):
    x, y = FIRST_ROW[page]
    click_at((x, y + row * ROW_HEIGHT), modifiers)


def show_page(index):
    driver.focus_window(MAIN_TITLE)
    click_at((TAB_X[index], TAB_Y))


def screenshot(index):
    time.sleep(0.5)
    path = driver.screenshot(f"page_{PAGES[index]}")
    print(f"\n  saved {path}")


class Pages(driver.WineTestCase):
    def setUp(self):
        super().setUp()
        prepare(
            groups=[
                Group(0, "Editors", (Pattern("Editor", CONTAINS),)),
                Group(1, "Mail", (Pattern("Inbox", STARTS_WITH),)),
                Group(2, "Browsers", (Pattern("Browser", CONTAINS),)),
            ],
            group_hot_keys=[GroupHotKey(0, TOGGLE_VISIBILITY, EDITORS_KEYS),
                            GroupHotKey(1, HIDE_ONLY, MAIL_KEYS)],
            timers=[ClockTimer(2, 3, 0, 1, 30, enabled=False), ClockTimer(1, 22, 15, 8, 0)],
            x=WINDOW_X, y=WINDOW_Y, width=900, height=560,
        )
        self.peer = self.start_peer(PEER_TITLES[0])
        for title in PEER_TITLES[1:]:
            self.peer.open(title)
        self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        # The first snapshot lists the peer's windows once they are all up.
        time.sleep(1.5)

    def peer_visible(self, title):
        return next(window.visible for window in self.peer.windows() if window.title == title)

    def wait_for_peer(self, title, visible):
        driver.wait_until(lambda: self.peer_visible(title) == visible,
                          f'"{title}" to be {"shown" if visible else "hidden"}')

    def test_screenshot_of_each_page(self):
        # Sorted by title: _scratch pad, Calculator, Inbox - Mail, Notes - Editor, Start Page.
        show_page(0)
        click_row(0, 1)
        click_row(0, 3, "ctrl")
        screenshot(0)

        driver.press_keys(EDITORS_KEYS.xdotool, window_title=MAIN_TITLE)
        driver.press_keys(MAIL_KEYS.xdotool, window_title=MAIN_TITLE)
        self.wait_for_peer("Notes - Editor", False)
        self.wait_for_peer("Inbox - Mail", False)
        show_page(1)
        click_row(1, 0)
        screenshot(1)

        for index in (2, 3, 4):
            show_page(index)
            click_row(index, 1)
            screenshot(index)

    def test_hide_selected_hides_the_selected_peer_window(self):
        show_page(0)
        click_row(0, 1)
        click_at((FIRST_BUTTON_X, BUTTON_Y))
        self.wait_for_peer("Calculator", False)
        self.assertTrue(self.peer_visible("_scratch pad"))
        self.assertTrue(self.peer_visible("Inbox - Mail"))

    def test_hidden_page_shows_all_but_the_selected_window(self):
        driver.press_keys(EDITORS_KEYS.xdotool, window_title=MAIN_TITLE)
        driver.press_keys(MAIL_KEYS.xdotool, window_title=MAIN_TITLE)
        self.wait_for_peer("Inbox - Mail", False)
        self.wait_for_peer("Notes - Editor", False)
        show_page(1)
        click_row(1, 0)
        click_at((SECOND_BUTTON_X, BUTTON_Y))
        self.wait_for_peer("Notes - Editor", True)
        self.assertFalse(self.peer_visible("Inbox - Mail"))

    def test_listing_all_hidden_windows_asks_first(self):
        self.peer.hide(PEER_TITLES.index("Calculator"))
        show_page(1)
        click_at((LIST_ALL_BOX_X, BUTTON_Y))
        driver.wait_for_window("Hidden Windows")
        question = (
            "Enabling this option will list all hidden windows, whether hidden by this "
            "application or not.\r\n\r\nAltering system windows is not recommended, as it may "
            "lead to instability or other unpredictable results.\r\n\r\nAre you sure you'd like "
            "to continue?"
        )
        # The probe reports the box's text line by line.
        self.assertIn(question.replace("\r\n", "\n"),
                      "\n".join(driver.window_texts("Hidden Windows")))
        driver.click_button("Hidden Windows", "Yes")
        driver.wait_for_no_window("Hidden Windows")
        # The foreign hidden window is listed now; showing it asks again.
        click_row(1, 0)
        click_at((FIRST_BUTTON_X, BUTTON_Y))
        driver.wait_for_window("Unhide Window")
        driver.click_button("Unhide Window", "No")
        driver.wait_for_no_window("Unhide Window")
        self.assertFalse(self.peer_visible("Calculator"))


if __name__ == "__main__":
    unittest.main()
