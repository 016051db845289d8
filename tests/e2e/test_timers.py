"""Visibility timers at work over whole minutes: a clock timer hides its group in its period and
shows it when the period ends, while a one-minute stopwatch started on the timers page hides
its group for that minute and then switches itself off. Both run in the same minutes."""

import time
import unittest

import driver
from data_files import CONTAINS, EXIT_COMMAND, MAIN, Pattern, clock_timer, prepare, stopwatch

CLOCKED, TIMED, BYSTANDER = "Clocked member", "Stopwatch member", "Timer bystander"
# A minute, and what Wine adds to it on a loaded machine.
MINUTE, SLACK = 60, 40


class Timers(driver.WineTestCase):
    def test_a_clock_period_ends_and_a_stopwatch_switches_itself_off(self):
        # The clock period ends at the next full minute: that minute must not be about to end.
        driver.wait_until(lambda: driver.local_time()[2] < 30, "the first half of a minute", 40)
        prepare(groups={1: ("Clocked", [Pattern(CLOCKED, CONTAINS)]),
                        2: ("Timed", [Pattern(TIMED, CONTAINS)]),
                        3: ("Bystanders", [Pattern(BYSTANDER, CONTAINS)])},
                timers=[clock_timer(1, 1, 2), stopwatch(2, 1),
                        clock_timer(3, 10, 5), clock_timer(3, 1, 30, enabled=False)])
        peer = self.start_peer(CLOCKED, TIMED, BYSTANDER)
        program = self.start_hushcloak()
        driver.wait_until(lambda: not peer.visible(CLOCKED), "the clock timer to hide its group",
                          timeout=15)
        # A member shown by the user during the period is hidden again at the next tick.
        peer.do("show", 0)
        driver.wait_until(lambda: not peer.visible(CLOCKED), "the member to be hidden again")
        # Ended by force, the next run gives the member back to its timer, whose end shows it.
        program.kill()
        program = self.start_hushcloak()
        driver.wait_until(lambda: "Recovered 1 hidden windows from the previous run." in
                          driver.read_log(), "the member to be taken back")

        driver.activate(MAIN)
        driver.select(MAIN, "tab", "Visibility Timers")
        driver.select(MAIN, "row", 'Applies to group "Timed"')
        started = time.monotonic()
        driver.click(MAIN, "control", "Activate")
        driver.wait_until(lambda: not peer.visible(TIMED), "the stopwatch to hide its group", 15)
        driver.spot(MAIN, "control", "Deactivate")

        driver.wait_until(lambda: peer.visible(CLOCKED), "the end of the clock period", MINUTE + SLACK)
        driver.wait_until(lambda: peer.visible(TIMED), "the stopwatch's end", MINUTE + SLACK)
        self.assertGreater(time.monotonic() - started, MINUTE - 5)
        # Over, the stopwatch offers to start again; past and inactive periods hid nothing.
        driver.spot(MAIN, "control", "Activate")
        self.assertTrue(all(window.visible for window in peer.windows()))
        self.assertTrue(peer.visible(BYSTANDER))
        driver.post_command(MAIN, EXIT_COMMAND)
        self.assertEqual(program.wait(), 0)
        timers = driver.read_data_file("timers.xml")
        self.assertIn('enabled="false" group_id="2"', timers)


if __name__ == "__main__":
    unittest.main()
