"""Hiding and showing other programs' windows with real key presses on global hot keys, the exit
prompt's answers, and the next run taking back what a run left hidden."""

import re
import unittest

import driver
from data_files import (EXIT_COMMAND, HIDE_ACTIVE, HIDE_ALL, HIDE_ONLY, MAIN, SHOW_ALL,
                        STARTS_WITH, TOGGLE, Keys, Pattern, prepare)

MEMBERS = ("Member normal", "Member minimised", "Member maximised")
OWN_HIDDEN = "Member hidden by its own program"
IGNORED = "Member on the ignore list"
BYSTANDER = "Bystander"
PROMPT = "Hidden Windows"
WM_COMMAND = 0x111
TOGGLE_KEYS, HIDE_KEYS = Keys("ctrl+alt", "T"), Keys("ctrl+alt", "X")
EVENTS = {HIDE_ACTIVE: Keys("ctrl+alt", "A"), HIDE_ALL: Keys("ctrl+alt", "H"),
          SHOW_ALL: Keys("ctrl+alt", "S")}


def states(peer):
    return {window.title: (window.visible, window.show_command) for window in peer.windows()}


def journal():
    path = driver.data_folder() / "hidden_windows.xml"
    return re.findall(r'hwnd="(\d+)"', driver.read_data_file(path.name)) if path.exists() else []


def choose_exit():
    """File > Exit, posted so that it works while the main window is in the tray."""
    driver.wait_until(lambda: driver.probe("post", MAIN, str(WM_COMMAND), str(EXIT_COMMAND),
                                           "0")[0] == 0, "the main window to take File > Exit")


class HotKeys(driver.WineTestCase):
    def start_peer_with_members(self, *others):
        peer = self.start_peer(MEMBERS[0], *MEMBERS[1:], *others, BYSTANDER)
        peer.do("minimize", 1)
        peer.do("maximize", 2)
        return peer

    def press(self, keys, window=BYSTANDER):
        driver.press_keys(keys.xdotool, window_title=window)

    def wait_for(self, peer, expected, description):
        driver.wait_until(lambda: all(states(peer)[title][0] == visible
                                      for title, visible in expected.items()), description)

    def test_toggle_and_events_hide_and_show_in_the_earlier_state_and_yes_at_exit_shows(self):
        prepare(groups={7: ("Members", [Pattern("Member", STARTS_WITH)])}, ignore=[Pattern(IGNORED)],
                events=EVENTS, hot_keys=[(7, TOGGLE, TOGGLE_KEYS)])
        peer = self.start_peer_with_members(OWN_HIDDEN, IGNORED)
        peer.do("hide", 3)
        before = states(peer)
        program = self.start_hushcloak()
        driver.wait_for_window(MAIN)

        self.press(TOGGLE_KEYS)
        self.wait_for(peer, {title: False for title in MEMBERS}, "the group to be hidden")
        driver.wait_until(lambda: len(journal()) == 3, "the journal to list the hidden windows")
        self.assertEqual(states(peer)[IGNORED], before[IGNORED])
        self.press(TOGGLE_KEYS)
        driver.wait_until(lambda: states(peer) == before, "the group shown as it was")

        driver.activate(BYSTANDER)
        self.press(EVENTS[HIDE_ACTIVE])
        self.wait_for(peer, {BYSTANDER: False, MEMBERS[0]: True}, "only the active window hidden")
        self.press(EVENTS[HIDE_ALL], IGNORED)
        self.wait_for(peer, {title: False for title in MEMBERS}, "every window to be hidden")
        driver.wait_for_no_window(MAIN)
        self.assertTrue(peer.visible(IGNORED))
        # A window its own program shows, and later hides itself, is that program's again.
        peer.do("show", 0)
        handle = str(int(peer.window(MEMBERS[0]).handle, 16))
        driver.wait_until(lambda: handle not in journal(), "the shown window to leave the journal")
        peer.do("hide", 0)
        self.press(EVENTS[SHOW_ALL], IGNORED)
        driver.wait_until(lambda: states(peer)[MEMBERS[1]] == before[MEMBERS[1]], "shown windows")
        self.assertFalse(peer.visible(MEMBERS[0]))
        peer.do("show", 0)
        driver.wait_until(lambda: states(peer) == before, "every window shown as it was")
        self.assertIsNone(driver.find_window(MAIN))

        self.press(TOGGLE_KEYS, IGNORED)
        self.wait_for(peer, {title: False for title in MEMBERS}, "the group hidden again")
        choose_exit()
        driver.wait_for_window(PROMPT)
        self.assertIn("Would you like to make all hidden windows visible now before exiting?",
                      "\n".join(driver.window_texts(PROMPT)))
        driver.click_button(PROMPT, "Yes")
        self.assertEqual(program.wait(), 0)
        self.assertEqual(states(peer), before)
        self.assertEqual(journal(), [])

    def test_windows_left_hidden_come_back_in_the_next_run_as_they_were(self):
        prepare(groups={4: ("Members", [Pattern("Member", STARTS_WITH)])},
                hot_keys=[(4, HIDE_ONLY, HIDE_KEYS)], events={SHOW_ALL: EVENTS[SHOW_ALL]})
        foreign = self.start_peer("Foreign window hidden by its own program")
        foreign.do("hide", 0)
        peer = self.start_peer_with_members()
        before = states(peer)
        program = self.start_hushcloak()
        driver.wait_for_window(MAIN)
        self.press(HIDE_KEYS)
        driver.wait_until(lambda: len(journal()) == 3, "the journal to list the hidden windows")

        driver.post_command(MAIN, EXIT_COMMAND)
        driver.click_button(PROMPT, "Cancel")
        driver.wait_for_no_window(PROMPT)
        self.assertTrue(program.running)
        driver.post_command(MAIN, EXIT_COMMAND)
        driver.click_button(PROMPT, "No")
        self.assertEqual(program.wait(), 0)
        self.assertFalse(any(states(peer)[title][0] for title in MEMBERS))

        program = self.start_hushcloak()
        driver.wait_until(lambda: "Recovered 3 hidden windows from the previous run." in
                          driver.read_log(), "the log to tell of the recovered windows")
        driver.select(MAIN, "tab", "Hidden Windows")
        driver.spot(MAIN, "row", MEMBERS[2])
        program.kill()

        # One window closed meanwhile; another entry's handle now names a window of another
        # process, hidden by its own program: neither is shown.
        peer.do("close", 2)
        text = driver.read_data_file("hidden_windows.xml").replace(
            f'hwnd="{int(peer.window(MEMBERS[1]).handle, 16)}"',
            f'hwnd="{int(foreign.windows()[0].handle, 16)}"')
        (driver.data_folder() / "hidden_windows.xml").write_bytes(text.encode("latin-1"))
        self.start_hushcloak()
        driver.wait_until(lambda: "Recovered 1 hidden windows from the previous run." in
                          driver.read_log(), "the log to tell of the one recovered window")
        self.press(EVENTS[SHOW_ALL])
        driver.wait_until(lambda: states(peer)[MEMBERS[0]] == before[MEMBERS[0]],
                          "the recovered window shown as it was")
        driver.wait_until(lambda: journal() == [], "the journal to be emptied")
        self.assertFalse(foreign.windows()[0].visible)
        self.assertFalse(peer.visible(MEMBERS[1]))


if __name__ == "__main__":
    unittest.main()
