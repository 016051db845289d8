"""Windows hidden by a run that ended without its exit sequence, or after the user chose to
leave them hidden, are taken back by the next run of the program."""

import re
import unittest

import driver
from data_files import (
    HIDE_ONLY, SHOW_ALL_WINDOWS, STARTS_WITH, Group, GroupHotKey, Keys, Pattern, prepare,
)

MAIN_TITLE = "Hushcloak"
EXIT_COMMAND = 40001
PROMPT_CAPTION = "Hidden Windows"
HIDE = Keys("ctrl+alt", "H")
SHOW_ALL = Keys("ctrl+alt", "A")
JOURNAL = "hidden_windows.xml"
# The main window's place, and the hidden windows page's tab inside it.
WINDOW_X, WINDOW_Y = 100, 100
HIDDEN_PAGE_TAB = (191, 69)


def journal_rules():
    try:
        return re.findall(r"<rule [^>]*>", driver.read_data_file(JOURNAL))
    except FileNotFoundError:
        return []


def journaled_handles():
    return [int(re.search(r'hwnd="(\d+)"', rule).group(1)) for rule in journal_rules()]


def states(peer):
    return {window.title: (window.visible, window.show_command) for window in peer.windows()}


class Recovery(driver.WineTestCase):
    MEMBERS = ("Recovery member normal", "Recovery member maximised", "Recovery member minimised")

    def setUp(self):
        super().setUp()
        prepare(
            groups=[Group(4, "Recovered", (Pattern("Recovery member", STARTS_WITH),))],
            group_hot_keys=[GroupHotKey(4, HIDE_ONLY, HIDE)],
            events={SHOW_ALL_WINDOWS: SHOW_ALL},
            x=WINDOW_X, y=WINDOW_Y, width=900, height=560,
        )
        self.peer = self.start_peer(self.MEMBERS[0], "Recovery bystander")
        self.maximised = self.peer.open(self.MEMBERS[1])
        self.minimised = self.peer.open(self.MEMBERS[2])
        self.peer.maximize(self.maximised)
        self.peer.minimize(self.minimised)
        self.before = states(self.peer)

    def start_and_hide_members(self):
        program = self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        driver.press_keys(HIDE.xdotool, window_title="Recovery bystander")
        driver.wait_until(
            lambda: not any(states(self.peer)[title][0] for title in self.MEMBERS),
            "the group's windows to be hidden",
        )
        driver.wait_until(lambda: len(journal_rules()) == 3, "the journal to list the windows")
        return program

    def restart_and_show_all(self, recovered):
        self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        driver.wait_until(
            lambda: f"Recovered {recovered} hidden windows from the previous run." in
            driver.read_log(),
            "the log to tell of the recovered windows",
        )
        driver.focus_window(MAIN_TITLE)
        driver.xdotool("mousemove", str(WINDOW_X + HIDDEN_PAGE_TAB[0]),
                       str(WINDOW_Y + HIDDEN_PAGE_TAB[1]), "click", "1")
        print(f"\n  saved {driver.screenshot('recovered_hidden_windows')}")
        driver.press_keys(SHOW_ALL.xdotool, window_title="Recovery bystander")

    def test_windows_hidden_by_a_run_ended_by_force_come_back_as_they_were(self):
        program = self.start_and_hide_members()
        program.kill()
        self.assertFalse(any(states(self.peer)[title][0] for title in self.MEMBERS))

        self.restart_and_show_all(recovered=3)

        driver.wait_until(lambda: states(self.peer) == self.before,
                          "the windows to be shown in their earlier show state")
        driver.wait_until(lambda: not journal_rules(), "the journal to be emptied")

    def test_windows_left_hidden_at_exit_come_back_in_the_next_run(self):
        program = self.start_and_hide_members()
        driver.post_command(MAIN_TITLE, EXIT_COMMAND)
        driver.wait_for_window(PROMPT_CAPTION)
        driver.click_button(PROMPT_CAPTION, "No")
        self.assertEqual(program.wait(), 0)
        self.assertEqual(len(journal_rules()), 3)

        self.restart_and_show_all(recovered=3)

        driver.wait_until(lambda: states(self.peer) == self.before,
                          "the windows to be shown in their earlier show state")

    def test_yes_at_exit_leaves_an_empty_journal(self):
        program = self.start_and_hide_members()
        driver.post_command(MAIN_TITLE, EXIT_COMMAND)
        driver.wait_for_window(PROMPT_CAPTION)
        driver.click_button(PROMPT_CAPTION, "Yes")
        self.assertEqual(program.wait(), 0)
        self.assertEqual(journal_rules(), [])

    def test_entries_of_closed_or_foreign_windows_are_dropped_and_never_shown(self):
        other = self.start_peer("Recovery foreign window")
        other.hide(0)
        foreign_handle = int(other.windows()[0].handle, 16)
        program = self.start_and_hide_members()
        program.kill()

        self.peer.close(0)
        # The maximised window's handle now names a window of another process, hidden by
        # its own program.
        maximised_handle = int(
            next(w for w in self.peer.windows() if w.index == self.maximised).handle, 16)
        text = driver.read_data_file(JOURNAL).replace(
            f'hwnd="{maximised_handle}"', f'hwnd="{foreign_handle}"')
        (driver.data_folder() / JOURNAL).write_bytes(text.encode("latin-1"))

        self.restart_and_show_all(recovered=1)

        driver.wait_until(lambda: states(self.peer)[self.MEMBERS[2]][0],
                          "the remaining window to be shown")
        self.assertFalse(other.windows()[0].visible)
        self.assertFalse(states(self.peer)[self.MEMBERS[1]][0])
        driver.wait_until(lambda: journaled_handles() == [], "the journal to be emptied")


if __name__ == "__main__":
    unittest.main()
