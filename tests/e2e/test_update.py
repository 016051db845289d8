"""The start-up update check against a web server on this machine, and its Help-menu option.

The program under test was built with its update host set to a loopback address and port of
its build's own (HUSHCLOAK_UPDATE_HOST=loopback, as the win64 preset sets it); this module serves
that address itself.
"""

import http.server
import pathlib
import subprocess
import threading
import unittest

import driver

VERSION_PATH = "/meta/release_current_version_hushcloak.txt"
PAGE_PATH = "/hushcloak"
PROMPT_CAPTION = "Updates Detected"
PROMPT_TEXT = (
    "A new version of Hushcloak is available.  We encourage you to visit our web site to read "
    "about the new release, and to download and install it.  Would you like to do that now?"
    "\r\n\r\nTo disable checking for updates in the future, use the Help menu."
)
MAIN_TITLE = "Hushcloak"
PEER_TITLE = "Update peer window"

# What start-up reads; check_updates as the test needs it.
SETTINGS = """<?xml version="1.0" ?>
<settings>
    <window>
        <position x="100" y="100" />
        <size maximized="false" x="640" y="480" />
    </window>
    <options build_number="0" check_updates="{check_updates}" />
</settings>
"""

# A group for the peer's window and a hot key, Ctrl+Alt+H, that only hides it.
GROUPS = """<?xml version="1.0" ?>
<settings>
    <groups>
        <rule id="50" name="Update peers">
            <pattern applies_to="0" case_sensitive="false" compare="4" phrase="{title}" />
        </rule>
    </groups>
</settings>
""".format(title=PEER_TITLE)
HOT_KEYS = """<?xml version="1.0" ?>
<settings>
    <hotkeys>
        <rule action="2" event_index="-1" group_id="50" key_code="72" mod_alt="true"
              mod_ctrl="true" mod_shift="false" mod_win="false" />
    </hotkeys>
</settings>
"""


class UpdateServer(http.server.ThreadingHTTPServer):
    """Publishes a release number and records every request. The version file's answer can be
    held back until the test releases it."""

    daemon_threads = True

    def __init__(self, address):
        super().__init__(address, UpdateRequestHandler)
        self.published = b"3"
        self.released = threading.Event()
        self.released.set()
        self.requests = []
        self.lock = threading.Lock()

    def requested_paths(self):
        with self.lock:
            return list(self.requests)


class UpdateRequestHandler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        with self.server.lock:
            self.server.requests.append(self.path)
        if self.path == VERSION_PATH:
            self.server.released.wait(driver.TIMEOUT)
            self.reply(self.server.published)
        elif self.path == PAGE_PATH:
            self.reply(b"<html><body>Hushcloak</body></html>")
        else:
            self.send_error(404)

    def reply(self, body):
        self.send_response(200)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *arguments):
        pass


def update_host():
    """The update host the program under test was built with, from its build's cache."""
    cache = pathlib.Path(driver.setting("HUSHCLOAK_BUILD_DIR")) / "CMakeCache.txt"
    for line in cache.read_text().splitlines():
        if line.startswith("HUSHCLOAK_UPDATE_ADDRESS:"):
            return line.partition("=")[2]
    raise driver.DriverError(f"no HUSHCLOAK_UPDATE_ADDRESS in {cache}")


def update_host_address():
    host = update_host()
    name, _, port = host.partition(":")
    if not name.startswith("127.") or not port.isdigit():
        raise driver.DriverError(
            f"the program's update host {host} is not a loopback address with a port: "
            "build the tests with HUSHCLOAK_UPDATE_HOST=loopback"
        )
    return name, int(port)


def saved_option():
    """The check_updates option of settings.xml, or None while the file is missing or being
    written."""
    try:
        text = driver.read_data_file("settings.xml")
    except FileNotFoundError:
        return None
    if 'check_updates="true"' in text:
        return True
    if 'check_updates="false"' in text:
        return False
    return None


def menu_is_open():
    return any(w.visible and w.class_name == "#32768" for w in driver.top_level_windows())


def main_window_corner():
    """The screen position of the main window's top left corner."""
    found = driver.xdotool("search", "--name", f"^{MAIN_TITLE}$").split()
    geometry = dict(
        line.split("=", 1) for line in driver.xdotool("getwindowgeometry", "--shell", found[0]).split()
    )
    return int(geometry["X"]), int(geometry["Y"])


class UpdateTestCase(driver.WineTestCase):
    def setUp(self):
        super().setUp()
        self.server = UpdateServer(update_host_address())
        thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        thread.start()

        def stop_server():
            self.server.released.set()
            self.server.shutdown()
            self.server.server_close()
            thread.join(driver.TIMEOUT)

        self.addCleanup(stop_server)

    def write_data_file(self, name, text):
        folder = driver.data_folder()
        folder.mkdir(parents=True, exist_ok=True)
        (folder / name).write_bytes(text.replace("\n", "\r\n").encode("latin-1"))

    def write_settings(self, check_updates):
        self.write_data_file("settings.xml", SETTINGS.format(check_updates=check_updates))

    def check_updates_setting(self):
        option = saved_option()
        if option is None:
            self.fail("settings.xml holds no check_updates option:\n"
                      f"{driver.read_data_file('settings.xml')}")
        return option

    def open_update_option(self):
        """Chooses the first item of the main window's Help menu, as the user would."""
        driver.press_keys("alt+h", window_title=MAIN_TITLE)
        driver.press_keys("Return")

    def assert_shows_text(self, title, text):
        """The box's text, whose line breaks the probe reports as separate lines."""
        shown = "\n".join(driver.window_texts(title))
        self.assertIn(text.replace("\r\n", "\n"), shown)

    def help_menu_picture(self, name):
        """The pixels around the opened Help menu, which differ only by the option's check mark
        from one state of the option to the other."""
        for _ in range(3):
            driver.press_keys("alt+h", window_title=MAIN_TITLE)
            try:
                driver.wait_until(menu_is_open, "the Help menu to open", timeout=15)
                break
            except driver.DriverError:
                driver.press_keys("Escape", "Escape")
        else:
            self.fail("the Help menu did not open")
        corner = main_window_corner()
        picture = driver.screenshot(name)
        pixels = subprocess.run(
            # Below the caption, whose colour follows the focus, and the menu bar.
            ["convert", str(picture), "-crop", f"260x60+{corner[0] + 60}+{corner[1] + 38}", "rgb:-"],
            capture_output=True, timeout=driver.TIMEOUT, check=True,
        ).stdout
        driver.press_keys("Escape", "Escape")
        driver.wait_until(lambda: not menu_is_open(), "the Help menu to close")
        return pixels

    def version_requests(self):
        return self.server.requested_paths().count(VERSION_PATH)


class StartupCheck(UpdateTestCase):
    def test_a_newer_release_is_offered_and_no_changes_nothing(self):
        program = self.start_hushcloak()
        driver.wait_for_window(PROMPT_CAPTION)
        self.assert_shows_text(PROMPT_CAPTION, PROMPT_TEXT)
        driver.screenshot("update_prompt")
        self.assertEqual(self.server.requested_paths(), [VERSION_PATH])

        driver.click_button(PROMPT_CAPTION, "No")
        driver.wait_for_no_window(PROMPT_CAPTION)
        driver.wait_for_window(MAIN_TITLE)
        self.assertTrue(program.running)
        self.assertTrue(self.check_updates_setting())
        self.assertEqual(self.server.requested_paths(), [VERSION_PATH])

        # The next start-up asks again.
        program.kill()
        self.start_hushcloak()
        driver.wait_for_window(PROMPT_CAPTION)
        self.assertEqual(self.version_requests(), 2)

    def test_the_published_release_is_not_newer(self):
        self.server.published = b"2\r\n"
        program = self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        driver.wait_until(lambda: self.version_requests() == 1, "the version file's request")
        # The answer is read at once; a prompt would open within moments of it.
        with self.assertRaises(driver.DriverError):
            driver.wait_for_window(PROMPT_CAPTION, timeout=3)
        self.assertTrue(program.running)

    def test_yes_opens_the_page_shows_hidden_windows_saves_and_exits(self):
        self.write_data_file("groups.xml", GROUPS)
        self.write_data_file("hotkeys.xml", HOT_KEYS)
        peer = self.start_peer(PEER_TITLE)
        self.server.released.clear()
        program = self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        driver.wait_until(lambda: self.version_requests() == 1, "the version file's request")

        driver.press_keys("ctrl+alt+h", window_title=PEER_TITLE)
        driver.wait_until(lambda: not peer.windows()[0].visible, "the peer window to be hidden")

        self.server.released.set()
        driver.wait_for_window(PROMPT_CAPTION)
        driver.click_button(PROMPT_CAPTION, "Yes")

        # The page goes to Wine's browser launcher, so no box stands in the way of the exit.
        self.assertEqual(program.wait(), 0)
        driver.wait_until(lambda: peer.windows()[0].visible, "the peer window to be shown again")
        for name in ("ignore_list.xml", "hotkeys.xml", "timers.xml", "groups.xml", "settings.xml"):
            self.assertTrue((driver.data_folder() / name).exists(), name)
        self.assertIn(PEER_TITLE, driver.read_data_file("groups.xml"))

    def test_without_a_browser_the_address_is_shown_and_the_program_still_exits(self):
        self.forget_the_browser()
        program = self.start_hushcloak()
        driver.wait_for_window(PROMPT_CAPTION)
        driver.click_button(PROMPT_CAPTION, "Yes")

        driver.wait_for_window("Unable to load...")
        self.assert_shows_text(
            "Unable to load...",
            "Unable to launch the default web browser.\r\n\r\n"
            f"Please manually visit the following URL:\r\nhttp://{update_host()}{PAGE_PATH}",
        )
        driver.screenshot("update_browser_failure")
        self.assertTrue(program.running)
        driver.click_button("Unable to load...", "OK")
        self.assertEqual(program.wait(), 0)
        self.assertTrue((driver.data_folder() / "groups.xml").exists())

    def forget_the_browser(self):
        """Removes the prefix's handler of http addresses until the test ends."""
        key = "HKCR\\http\\shell\\open\\command"
        found = driver.run_wine("reg", "query", key, "/ve")
        handler = found.stdout.decode("utf-8", "replace").split("REG_SZ", 1)[-1].strip()
        self.assertEqual(found.returncode, 0, "the prefix has no handler of http addresses")
        self.assertEqual(driver.run_wine("reg", "delete", key, "/f").returncode, 0)
        self.addCleanup(driver.run_wine, "reg", "add", key, "/ve", "/d", handler, "/f")


class UpdateOption(UpdateTestCase):
    def test_with_the_option_off_no_request_is_made(self):
        self.write_settings("false")
        program = self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        # Start-up asks right after the main window opens; give it time to show that it won't.
        with self.assertRaises(driver.DriverError):
            driver.wait_until(self.server.requested_paths, "a request", timeout=3)
        self.assertTrue(program.running)
        self.assertEqual(driver.find_window(PROMPT_CAPTION), None)

    def test_switching_the_option_on_takes_effect_at_the_next_start(self):
        self.write_settings("false")
        program = self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)

        self.open_update_option()
        driver.wait_for_window("Enable Updates")
        self.assert_shows_text(
            "Enable Updates", "The program will check for updates next time it's launched."
        )
        driver.click_button("Enable Updates", "OK")
        driver.wait_until(lambda: saved_option() is True, "the option to be saved as on")
        self.assertEqual(self.server.requested_paths(), [])

        program.kill()
        self.start_hushcloak()
        driver.wait_for_window(PROMPT_CAPTION)

    def test_switching_the_option_off_asks_first(self):
        self.write_settings("true")
        self.server.published = b"1"
        self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        question = "Are you sure you'd like to disable checking for updates when the program launches?"

        self.open_update_option()
        driver.wait_for_window("Disable Updates")
        self.assert_shows_text("Disable Updates", question)
        driver.click_button("Disable Updates", "No")
        driver.wait_for_no_window("Disable Updates")
        self.assertTrue(self.check_updates_setting())

        self.open_update_option()
        driver.wait_for_window("Disable Updates")
        driver.click_button("Disable Updates", "Yes")
        driver.wait_until(lambda: saved_option() is False, "the option to be saved as off")


    def test_the_help_menu_check_mark_follows_the_option(self):
        self.write_settings("true")
        self.server.published = b"1"
        self.start_hushcloak()
        driver.wait_for_window(MAIN_TITLE)
        checked = self.help_menu_picture("update_option_on")

        self.open_update_option()
        driver.wait_for_window("Disable Updates")
        driver.click_button("Disable Updates", "Yes")
        driver.wait_until(lambda: saved_option() is False, "the option to be saved as off")
        unchecked = self.help_menu_picture("update_option_off")

        self.open_update_option()
        driver.wait_for_window("Enable Updates")
        driver.click_button("Enable Updates", "OK")
        driver.wait_until(lambda: saved_option() is True, "the option to be saved as on")
        checked_again = self.help_menu_picture("update_option_on_again")

        self.assertNotEqual(checked, unchecked)
        self.assertEqual(checked, checked_again)


if __name__ == "__main__":
    unittest.main()
