"""Visibility timers at work in the real program: a clock timer hides its group in its period.

A stopwatch is never active after start-up (the timer file always loads it inactive) and runs
for whole minutes once started, so its end is tested with a fake clock in the timer scheduler's
own tests rather than here.
"""

import time
import unittest

import driver
from data_files import CONTAINS, ClockTimer, Group, Pattern, local_time, prepare

MAIN_TITLE = "Hushcloak"


def minutes_ago(minutes):
    now = local_time()
    total = (now.tm_hour * 60 + now.tm_min - minutes) % (24 * 60)
    return divmod(total, 60)


def leave_time_in_this_minute(seconds):
    """Waits for the next minute when fewer than `seconds` are left in this one: a period that
    ends at the next full minute must not end before the program has started."""
    left = 60 - local_time().tm_sec
    if left < seconds:
        time.sleep(left + 1)


class ClockTimers(driver.WineTestCase):
    def start_with_timer(self, timer):
        prepare(groups=[Group(4, "Timed", (Pattern("Timed member", CONTAINS),))], timers=[timer])
        peer = self.start_peer("Timed member one", "Timed member two", "Timer bystander")
        self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        return peer

    def test_a_clock_timer_whose_period_covers_now_hides_its_group_within_two_seconds(self):
        start_h, start_m = minutes_ago(1)
        peer = self.start_with_timer(ClockTimer(4, start_h, start_m, duration_h=0, duration_m=30))
        started = time.monotonic()
        driver.wait_until(
            lambda: [window.visible for window in peer.windows()] == [False, False, True],
            "the timer to hide its group", timeout=2.0,
        )
        self.assertLess(time.monotonic() - started, 2.0)

    def test_at_the_end_of_its_period_a_clock_timer_shows_what_it_hid(self):
        # The period ends at the next full minute, so this test waits up to a minute.
        leave_time_in_this_minute(40)
        start_h, start_m = minutes_ago(1)
        peer = self.start_with_timer(ClockTimer(4, start_h, start_m, duration_h=0, duration_m=2))
        driver.wait_until(
            lambda: [window.visible for window in peer.windows()] == [False, False, True],
            "the timer to hide its group",
        )
        peer.show(0)
        # A member shown by the user during the period is hidden again at the next tick.
        driver.wait_until(lambda: not peer.windows()[0].visible, "the member to be hidden again")
        driver.wait_until(
            lambda: all(window.visible for window in peer.windows()),
            "the end of the period to show the group", timeout=70,
        )

    def test_an_inactive_clock_timer_hides_nothing(self):
        start_h, start_m = minutes_ago(1)
        peer = self.start_with_timer(
            ClockTimer(4, start_h, start_m, duration_h=0, duration_m=30, enabled=False)
        )
        with self.assertRaises(driver.DriverError):
            driver.wait_until(
                lambda: not all(window.visible for window in peer.windows()),
                "any window to be hidden", timeout=3,
            )

    def test_a_clock_timer_whose_period_is_over_hides_nothing(self):
        start_h, start_m = minutes_ago(10)
        peer = self.start_with_timer(ClockTimer(4, start_h, start_m, duration_h=0, duration_m=5))
        with self.assertRaises(driver.DriverError):
            driver.wait_until(
                lambda: not all(window.visible for window in peer.windows()),
                "any window to be hidden", timeout=3,
            )


if __name__ == "__main__":
    unittest.main()
