"""The end-to-end harness itself: peer windows, the probe, message boxes, real keys, screenshots."""

import unittest

import driver


class PeerWindowsSeenByProbe(driver.WineTestCase):
    def test_a_peer_window_is_a_visible_top_level_window_of_another_process(self):
        peer = self.start_peer("Smoke peer window")
        window = driver.wait_for_window("Smoke peer window")
        self.assertEqual(window.show_command, driver.SW_SHOWNORMAL)
        self.assertEqual(window.handle, peer.windows()[0].handle)

    def test_show_state_changes_are_seen_from_outside(self):
        peer = self.start_peer("Smoke changing window")
        handle = driver.wait_for_window("Smoke changing window").handle

        def state():
            return next(window for window in driver.top_level_windows() if window.handle == handle)

        peer.minimize(0)
        driver.wait_until(lambda: state().show_command == driver.SW_SHOWMINIMIZED, "minimised")
        peer.maximize(0)
        driver.wait_until(lambda: state().show_command == driver.SW_SHOWMAXIMIZED, "maximised")
        peer.hide(0)
        driver.wait_until(lambda: not state().visible, "hidden")
        peer.show(0)
        driver.wait_for_window("Smoke changing window")

    def test_owned_and_renamed_windows(self):
        peer = self.start_peer("Smoke owner")
        owned = peer.open("Smoke owned", owner=0)
        peer.set_title(owned, "Smoke owned renamed")
        driver.wait_for_window("Smoke owned renamed")
        self.assertEqual(
            [window.title for window in peer.windows()], ["Smoke owner", "Smoke owned renamed"]
        )
        peer.close(owned)
        driver.wait_for_no_window("Smoke owned renamed")

    def test_peer_ends_with_exit_code_zero_on_quit(self):
        peer = self.start_peer("Smoke quitting window")
        driver.wait_for_window("Smoke quitting window")
        self.assertEqual(peer.quit(), 0)
        driver.wait_for_no_window("Smoke quitting window")


class MessageBoxesAnswered(driver.WineTestCase):
    def test_a_click_from_another_process_answers_the_box(self):
        peer = self.start_peer()
        peer.show_message("Smoke question", "Go on?")
        driver.wait_for_window("Smoke question")
        self.assertIn("Go on?", driver.window_texts("Smoke question"))
        driver.click_button("Smoke question", "Cancel")
        self.assertEqual(peer.answer(), str(driver.IDCANCEL))
        driver.wait_for_no_window("Smoke question")


class MenuCommands(driver.WineTestCase):
    def test_a_posted_command_reaches_the_window(self):
        peer = self.start_peer("Smoke command window")
        handle = driver.wait_for_window("Smoke command window").handle
        driver.post_command("Smoke command window", 40001)
        self.assertEqual(peer.next_event(), f"command {handle} 40001")


class RealKeyPresses(driver.WineTestCase):
    def test_a_key_press_reaches_a_registered_hot_key(self):
        peer = self.start_peer("Smoke hot key window")
        driver.wait_for_window("Smoke hot key window")
        hot_key = peer.register_hot_key(driver.MOD_CONTROL | driver.MOD_ALT, ord("K"))
        driver.press_keys("ctrl+alt+k", window_title="Smoke hot key window")
        self.assertEqual(peer.next_event(), f"hotkey {hot_key}")


class Screenshots(driver.WineTestCase):
    def test_a_screenshot_of_the_display_is_a_png_file(self):
        self.start_peer("Smoke screenshot window")
        driver.wait_for_window("Smoke screenshot window")
        path = driver.screenshot("harness_smoke")
        self.assertEqual(path.read_bytes()[:8], b"\x89PNG\r\n\x1a\n")


if __name__ == "__main__":
    unittest.main()
