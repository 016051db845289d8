"""The start-up update check against a web server on this machine, and its Help-menu option.

The program under test was built with its update host set to a loopback address and port of its
build's own (HUSHCLOAK_UPDATE_HOST=loopback, as the win64 preset sets it), served here."""

import http.server
import pathlib
import threading
import unittest

import driver
from data_files import HIDE_ONLY, MAIN, Keys, Pattern, prepare

VERSION_PATH, PAGE_PATH = "/meta/release_current_version_hushcloak.txt", "/hushcloak"
PROMPT = "Updates Detected"
PEER = "Update peer window"
HIDE = Keys("ctrl+alt", "H")


class Server(http.server.ThreadingHTTPServer):
    """Publishes a release number and records the requests; the answer waits for `released`."""
    daemon_threads = True

    def __init__(self, address):
        super().__init__(address, Handler)
        self.published, self.requests = b"3", []
        self.released = threading.Event()
        self.released.set()


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        self.server.requests.append(self.path)
        if self.path != VERSION_PATH:
            self.send_error(404)
            return
        self.server.released.wait(driver.TIMEOUT)
        self.send_response(200)
        self.send_header("Content-Length", str(len(self.server.published)))
        self.end_headers()
        self.wfile.write(self.server.published)

    def log_message(self, *arguments):
        pass


def update_host():
    cache = pathlib.Path(driver.setting("HUSHCLOAK_BUILD_DIR")) / "CMakeCache.txt"
    for line in cache.read_text().splitlines():
        if line.startswith("HUSHCLOAK_UPDATE_ADDRESS:"):
            return line.partition("=")[2]
    raise driver.DriverError(f"no HUSHCLOAK_UPDATE_ADDRESS in {cache}: build with "
                             "HUSHCLOAK_UPDATE_HOST=loopback")


def saved_option():
    text = driver.read_data_file("settings.xml")
    return True if 'check_updates="true"' in text else False if 'check_updates="false"' in text else None


def shows(title, text):
    """The box's text, whose line breaks the probe reports as separate lines."""
    return text.replace("\r\n", "\n") in "\n".join(driver.window_texts(title))


class Updates(driver.WineTestCase):
    def setUp(self):
        super().setUp()
        name, _, port = update_host().partition(":")
        self.server = Server((name, int(port)))
        thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        thread.start()
        self.addCleanup(thread.join, driver.TIMEOUT)
        self.addCleanup(self.server.server_close)
        self.addCleanup(self.server.shutdown)
        self.addCleanup(self.server.released.set)

    def answer(self, title, button):
        driver.wait_for_window(title)
        driver.click_button(title, button)

    def test_a_newer_release_is_offered_at_every_start_and_yes_opens_the_page_and_exits(self):
        prepare(groups={50: ("Update peers", [Pattern(PEER)])}, hot_keys=[(50, HIDE_ONLY, HIDE)],
                check_updates=True)
        peer = self.start_peer(PEER)
        program = self.start_hushcloak()
        driver.wait_for_window(PROMPT)
        self.assertTrue(shows(PROMPT, "A new version of Hushcloak is available."))
        driver.screenshot("update_prompt")
        self.answer(PROMPT, "No")
        driver.wait_for_window(MAIN)
        self.assertTrue(program.running)
        self.assertEqual((saved_option(), self.server.requests), (True, [VERSION_PATH]))
        program.kill()

        # The answer comes once a window is hidden: Yes shows it again, saves and exits.
        self.server.released.clear()
        program = self.start_hushcloak()
        driver.wait_until(lambda: self.server.requests.count(VERSION_PATH) == 2, "the request")
        driver.press_keys(HIDE.xdotool, window_title=PEER)
        driver.wait_until(lambda: not peer.visible(PEER), "the peer window to be hidden")
        self.server.released.set()
        self.answer(PROMPT, "Yes")
        self.assertEqual(program.wait(), 0)
        self.assertTrue(peer.visible(PEER))
        self.assertIn(PEER, driver.read_data_file("groups.xml"))

        # Without a browser the address is shown, and the program still exits.
        key = "HKCR\\http\\shell\\open\\command"
        handler = driver.run_wine("reg", "query", key, "/ve").stdout.decode().split("REG_SZ")[-1]
        self.assertEqual(driver.run_wine("reg", "delete", key, "/f").returncode, 0)
        self.addCleanup(driver.run_wine, "reg", "add", key, "/ve", "/d", handler.strip(), "/f")
        program = self.start_hushcloak()
        self.answer(PROMPT, "Yes")
        driver.wait_for_window("Unable to load...")
        self.assertTrue(shows("Unable to load...", f"http://{update_host()}{PAGE_PATH}"))
        self.answer("Unable to load...", "OK")
        self.assertEqual(program.wait(), 0)

    def test_the_option_off_asks_nothing_and_switching_it_on_and_off_is_saved(self):
        prepare(check_updates=False)
        program = self.start_hushcloak()
        driver.wait_for_window(MAIN)
        with self.assertRaises(driver.DriverError):
            driver.wait_until(lambda: self.server.requests, "a request", timeout=3)
        # The option is the first item of the Help menu.
        driver.press_keys("alt+h", "Return", window_title=MAIN)
        self.answer("Enable Updates", "OK")
        driver.wait_until(lambda: saved_option() is True, "the option saved as on")
        self.assertEqual(self.server.requests, [])
        program.kill()

        self.server.published = b"2\r\n"
        program = self.start_hushcloak()
        driver.wait_until(lambda: self.server.requests == [VERSION_PATH], "the request")
        for answer, option in (("No", True), ("Yes", False)):
            driver.press_keys("alt+h", "Return", window_title=MAIN)
            driver.wait_for_window("Disable Updates")
            self.assertTrue(shows("Disable Updates", "disable checking for updates"))
            self.answer("Disable Updates", answer)
            driver.wait_for_no_window("Disable Updates")
            driver.wait_until(lambda: saved_option() is option, f"the option saved as {option}")


if __name__ == "__main__":
    unittest.main()
