"""Global hot keys that the system refuses at start-up: one "Hot Key Error" box each."""

import unittest

import driver
from data_files import EXACTLY_MATCHES, HIDE_ONLY, Group, GroupHotKey, Keys, Pattern, prepare

MAIN_TITLE = "Hushcloak"
ERROR_CAPTION = "Hot Key Error"


def error_text(keys):
    return (
        f"Unable to register global hot key: {keys.text}. This hot key combination may be in "
        "use on this system already, and may not be duplicated."
    )


def groups_for(*titles):
    return [
        Group(index + 1, title, (Pattern(title, EXACTLY_MATCHES),))
        for index, title in enumerate(titles)
    ]


class RefusedHotKeys(driver.WineTestCase):
    def expect_one_error_box(self, keys):
        driver.wait_for_window(ERROR_CAPTION)
        self.assertIn(error_text(keys), driver.window_texts(ERROR_CAPTION))
        driver.click_button(ERROR_CAPTION, "OK")
        driver.wait_for_no_window(ERROR_CAPTION)
        with self.assertRaises(driver.DriverError):
            driver.wait_for_window(ERROR_CAPTION, timeout=3)

    def test_two_group_hot_keys_with_the_same_combination(self):
        same = Keys("ctrl+alt", "D")
        prepare(
            groups=groups_for("Duplicate first", "Duplicate second"),
            group_hot_keys=[GroupHotKey(1, HIDE_ONLY, same), GroupHotKey(2, HIDE_ONLY, same)],
        )
        peer = self.start_peer("Duplicate first", "Duplicate second")
        program = self.start_hushcloak()
        self.expect_one_error_box(same)
        driver.wait_for_window(MAIN_TITLE)
        self.assertTrue(program.running)

        # The first of the two holds the combination.
        driver.press_keys(same.xdotool, window_title="Duplicate second")
        driver.wait_until(lambda: not peer.windows()[0].visible, "the first group to be hidden")
        self.assertTrue(peer.windows()[1].visible)

    def test_a_combination_another_program_holds(self):
        held = Keys("ctrl+alt", "G")
        free = Keys("ctrl+alt", "F")
        peer = self.start_peer("Held elsewhere")
        peer_hot_key = peer.register_hot_key(driver.MOD_CONTROL | driver.MOD_ALT, ord("G"))
        prepare(
            groups=groups_for("Held elsewhere"),
            group_hot_keys=[GroupHotKey(1, HIDE_ONLY, held), GroupHotKey(1, HIDE_ONLY, free)],
        )
        self.start_hushcloak()
        self.expect_one_error_box(held)
        driver.wait_for_window(MAIN_TITLE)

        # The other program keeps its combination; the free one works for Hushcloak.
        driver.press_keys(held.xdotool, window_title="Held elsewhere")
        self.assertEqual(peer.next_event(), f"hotkey {peer_hot_key}")
        self.assertTrue(peer.windows()[0].visible)
        driver.press_keys(free.xdotool, window_title="Held elsewhere")
        driver.wait_until(lambda: not peer.windows()[0].visible, "the window to be hidden")


if __name__ == "__main__":
    unittest.main()
