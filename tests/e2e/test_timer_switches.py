"""Visibility timers switched on and off from the timers page of the real program: a clock timer
switched off shows its group at once, and a one-minute stopwatch started there hides its group
for that minute, then shows it and switches itself off.
"""

import dataclasses
import time
import unittest

import driver
import test_editors as editors
import test_visibility_timers as visibility
from data_files import CONTAINS, ClockTimer, Group, Pattern, boolean, prepare

MAIN_TITLE = "Hushcloak"
EXIT_COMMAND = 40001
MEMBER = "Timed member"
BYSTANDER = "Timer bystander"
# The stopwatch's minute, and what Wine adds to it on a loaded machine.
STOPWATCH_SECONDS = 60
STOPWATCH_SLACK = 30


@dataclasses.dataclass(frozen=True)
class Stopwatch:
    group_id: int
    duration_m: int
    enabled: bool = False

    def rule(self):
        return (
            f'<rule duration_h="0" duration_m="{self.duration_m}" duration_s="0" '
            f'enabled="{boolean(self.enabled)}" group_id="{self.group_id}" '
            'start_h="0" start_m="0" start_s="0" type="1" />'
        )


class TimerSwitches(driver.WineTestCase):
    def start_with_timer(self, timer):
        prepare(
            groups=[Group(4, "Timed", (Pattern(MEMBER, CONTAINS),))], timers=[timer],
            x=editors.WINDOW_X, y=editors.WINDOW_Y, width=900, height=560,
        )
        self.peer = self.start_peer(MEMBER, BYSTANDER)
        program = self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        return program

    def member_visible(self):
        return next(window.visible for window in self.peer.windows() if window.title == MEMBER)

    def wait_for_member(self, visible, timeout=driver.TIMEOUT):
        driver.wait_until(lambda: self.member_visible() == visible,
                          f'the member window to be {"shown" if visible else "hidden"}', timeout)

    def select_the_timer(self):
        editors.show_page(editors.TIMERS_PAGE)
        editors.click_at(editors.TIMERS_FIRST_ROW)

    def exit_and_read_timers(self, program):
        driver.post_command(MAIN_TITLE, EXIT_COMMAND)
        self.assertEqual(program.wait(), 0)
        return driver.read_data_file("timers.xml")

    def test_a_clock_timer_switched_off_on_the_timers_page_shows_its_group_at_once(self):
        start_h, start_m = visibility.minutes_ago(1)
        program = self.start_with_timer(
            ClockTimer(4, start_h, start_m, duration_h=0, duration_m=30))
        self.wait_for_member(False)
        self.select_the_timer()
        # The button names what it will do to the selected timer.
        driver.click_button(MAIN_TITLE, "Deactivate")
        self.wait_for_member(True, timeout=3)
        self.assertTrue(all(window.visible for window in self.peer.windows()))
        # Off, the timer no longer hides what is shown during its period.
        with self.assertRaises(driver.DriverError):
            driver.wait_until(lambda: not self.member_visible(), "the member to be hidden",
                              timeout=3)
        self.assertNotIn("Deactivate", driver.window_texts(MAIN_TITLE))
        self.assertIn('enabled="false"', self.exit_and_read_timers(program))

    def test_a_one_minute_stopwatch_hides_its_group_for_that_minute_and_then_switches_off(self):
        program = self.start_with_timer(Stopwatch(4, duration_m=1))
        with self.assertRaises(driver.DriverError):
            driver.wait_until(lambda: not self.member_visible(), "the member to be hidden",
                              timeout=2)
        self.select_the_timer()
        started = time.monotonic()
        editors.click_at(editors.TIMERS_ACTIVATE)
        self.wait_for_member(False, timeout=5)
        self.assertTrue(next(window.visible for window in self.peer.windows()
                             if window.title == BYSTANDER))
        self.assertIn("Deactivate", driver.window_texts(MAIN_TITLE))
        self.wait_for_member(True, timeout=STOPWATCH_SECONDS + STOPWATCH_SLACK)
        self.assertGreater(time.monotonic() - started, STOPWATCH_SECONDS - 5)
        # Its minute over, the stopwatch is off, hides nothing more, and its page offers to
        # start it again.
        with self.assertRaises(driver.DriverError):
            driver.wait_until(lambda: not self.member_visible(), "the member to be hidden",
                              timeout=3)
        self.assertNotIn("Deactivate", driver.window_texts(MAIN_TITLE))
        self.assertIn("Activate", driver.window_texts(MAIN_TITLE))
        self.assertIn('enabled="false"', self.exit_and_read_timers(program))


if __name__ == "__main__":
    unittest.main()
