"""Leaving the program through File > Exit, with and without windows hidden in this run."""

import unittest

import driver
from data_files import EXACTLY_MATCHES, HIDE_ONLY, Group, GroupHotKey, Keys, Pattern, prepare

MAIN_TITLE = "Hushcloak"
EXIT_COMMAND = 40001
PROMPT_CAPTION = "Hidden Windows"
PROMPT_QUESTION = "Would you like to make all hidden windows visible now before exiting?"
HIDE = Keys("ctrl+alt", "X")


class ExitPrompt(driver.WineTestCase):
    def setUp(self):
        super().setUp()
        prepare(
            groups=[Group(3, "Leaving", (Pattern("Exit hidden window", EXACTLY_MATCHES),))],
            group_hot_keys=[GroupHotKey(3, HIDE_ONLY, HIDE)],
        )
        self.peer = self.start_peer("Exit hidden window", "Exit bystander")
        self.program = self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)

    def hide_peer_window(self):
        driver.press_keys(HIDE.xdotool, window_title="Exit bystander")
        driver.wait_until(lambda: not self.peer.windows()[0].visible, "the window to be hidden")

    def choose_exit_and_answer(self, answer):
        driver.post_command(MAIN_TITLE, EXIT_COMMAND)
        driver.wait_for_window(PROMPT_CAPTION)
        texts = "\n".join(driver.window_texts(PROMPT_CAPTION))
        self.assertIn("There are still windows that were hidden this session.", texts)
        self.assertIn(PROMPT_QUESTION, texts)
        driver.click_button(PROMPT_CAPTION, answer)

    def test_yes_shows_the_hidden_windows_and_exits_with_code_zero(self):
        self.hide_peer_window()
        self.choose_exit_and_answer("Yes")
        self.assertEqual(self.program.wait(), 0)
        driver.wait_until(lambda: self.peer.windows()[0].visible, "the window to be shown")

    def test_no_leaves_the_windows_hidden_and_exits_with_code_zero(self):
        self.hide_peer_window()
        self.choose_exit_and_answer("No")
        self.assertEqual(self.program.wait(), 0)
        self.assertFalse(self.peer.windows()[0].visible)

    def test_cancel_keeps_the_program_running_with_its_hot_keys(self):
        self.hide_peer_window()
        self.choose_exit_and_answer("Cancel")
        driver.wait_for_no_window(PROMPT_CAPTION)
        self.assertTrue(self.program.running)
        self.assertIsNotNone(driver.find_window(MAIN_TITLE))

        # Still running in full: the next exit asks again and ends the program.
        self.choose_exit_and_answer("Yes")
        self.assertEqual(self.program.wait(), 0)

    def test_without_hidden_windows_exit_asks_nothing(self):
        driver.post_command(MAIN_TITLE, EXIT_COMMAND)
        self.assertEqual(self.program.wait(), 0)
        self.assertTrue(self.peer.windows()[0].visible)


if __name__ == "__main__":
    unittest.main()
