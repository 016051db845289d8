"""The main window itself: its placement across runs, its minimum size, and closing to the tray."""

import re
import unittest

import driver
from data_files import EXACTLY_MATCHES, HIDE_ONLY, Group, GroupHotKey, Keys, Pattern, prepare

MAIN_TITLE = "Hushcloak"
MINIMIZE_TO_TRAY_COMMAND = 40010


def x_window(title):
    return driver.xdotool("search", "--name", f"^{title}$").split()[0]


def geometry(title):
    """Position and size of the window's outer rectangle on the display."""
    output = driver.xdotool("getwindowgeometry", "--shell", x_window(title))
    values = dict(line.split("=", 1) for line in output.splitlines() if "=" in line)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def saved_placement():
    text = driver.read_data_file("settings.xml")
    position = re.search(r'<position x="(-?\d+)" y="(-?\d+)"', text)
    size = re.search(r'<size maximized="(\w+)" x="(-?\d+)" y="(-?\d+)"', text)
    return (int(position[1]), int(position[2]), int(size[2]), int(size[3]), size[1] == "true")


class Placement(driver.WineTestCase):
    def test_reopens_at_its_saved_position_and_size(self):
        prepare(x=150, y=120, width=720, height=480)
        self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        driver.wait_until(lambda: geometry(MAIN_TITLE) == (150, 120, 720, 480),
                          "the saved placement")
        driver.screenshot("main_window")

    def test_reopens_maximised_when_it_was(self):
        prepare(x=150, y=120, width=720, height=480, maximized=True)
        self.start_hushcloak()
        window = driver.wait_for_window(MAIN_TITLE)
        self.assertEqual(window.show_command, driver.SW_SHOWMAXIMIZED)

    def test_cannot_be_dragged_smaller_than_640_by_400(self):
        prepare(x=100, y=100, width=800, height=600)
        self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        driver.wait_until(lambda: geometry(MAIN_TITLE) == (100, 100, 800, 600), "the placement")
        # Drag the bottom-right corner of the frame far up and to the left.
        driver.xdotool("mousemove", "897", "697")
        driver.xdotool("mousedown", "1")
        for x, y in ((700, 500), (400, 300), (200, 200)):
            driver.xdotool("mousemove", str(x), str(y))
        driver.xdotool("mouseup", "1")
        driver.wait_until(lambda: geometry(MAIN_TITLE)[2:] == (640, 400), "the minimum size")
        # The end of the drag saved the placement.
        driver.wait_until(lambda: saved_placement() == (100, 100, 640, 400, False),
                          "the saved minimum size")


class ClosingToTheTray(driver.WineTestCase):
    HIDE = Keys("ctrl+alt", "C")

    def setUp(self):
        super().setUp()
        prepare(
            groups=[Group(5, "Closing", (Pattern("Closing peer", EXACTLY_MATCHES),))],
            group_hot_keys=[GroupHotKey(5, HIDE_ONLY, self.HIDE)],
        )
        self.peer = self.start_peer("Closing peer", "Closing bystander")
        self.program = self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)

    def check_hot_keys_still_work(self):
        driver.press_keys(self.HIDE.xdotool, window_title="Closing bystander")
        driver.wait_until(lambda: not self.peer.windows()[0].visible, "the window to be hidden")

    def test_closing_hides_the_window_and_the_hot_keys_keep_working(self):
        driver.press_keys("alt+F4", window_title=MAIN_TITLE)
        driver.wait_for_no_window(MAIN_TITLE)
        self.assertTrue(self.program.running)
        self.check_hot_keys_still_work()

    def test_minimize_to_tray_hides_the_window(self):
        driver.post_command(MAIN_TITLE, MINIMIZE_TO_TRAY_COMMAND)
        driver.wait_for_no_window(MAIN_TITLE)
        self.assertTrue(self.program.running)
        self.check_hot_keys_still_work()


if __name__ == "__main__":
    unittest.main()
