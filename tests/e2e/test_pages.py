"""The pages and editors of the real program worked with the real mouse and keyboard over peer
windows of another process; what is made in the editors works at once, after a restart, and is
in the files. Tabs, rows and buttons are found by asking the program's windows."""

import unittest

import driver
from data_files import EXIT_COMMAND, MAIN, Keys, prepare

PEERS = ("Notes - Editor", "Inbox - Mail", "Calculator", "Start Page - Browser")
EDIT_IGNORE_LIST_COMMAND = 40031
WM_COMMAND, WM_QUERYENDSESSION, WM_ENDSESSION = 0x111, 0x11, 0x16
MEMBER, BYSTANDER = "Quarterly Report - Writer", "Holiday Photos - Viewer"
# The Hot Key Editor opens with Ctrl and Shift ticked; the key is chosen in the editor.
HOT_KEY = Keys("ctrl+shift", "Q")
TIMER_ROW = 'Applies to group "Reports"'


def type_into(title, text, *keys_before):
    """Types into the editor `title` once it is in front, and waits until it shows the text."""
    driver.wait_for_window(title)
    driver.activate(title)
    if keys_before:
        driver.xdotool("key", "--delay", "40", *keys_before)
    driver.xdotool("type", "--delay", "40", text)
    driver.wait_until(lambda: text in driver.window_texts(title), f'"{text}" in "{title}"')


def answer(title, button):
    driver.wait_for_window(title)
    driver.click_button(title, button)
    driver.wait_for_no_window(title)


class Pages(driver.WineTestCase):
    def start(self):
        program = self.start_hushcloak()
        driver.wait_for_window(MAIN)
        return program

    def exit(self, program):
        driver.post_command(MAIN, EXIT_COMMAND)
        self.assertEqual(program.wait(), 0)

    def page(self, tab):
        driver.activate(MAIN)
        driver.select(MAIN, "tab", tab)

    def add_ignore_rule(self, phrase):
        driver.post_command(MAIN, EDIT_IGNORE_LIST_COMMAND)
        driver.wait_for_window("Ignore List Editor")
        driver.click_button("Ignore List Editor", "Add")
        type_into("String Pattern Editor", phrase)
        driver.click_button("String Pattern Editor", "OK")
        driver.wait_for_no_window("String Pattern Editor")
        driver.press_keys("alt+F4", window_title="Ignore List Editor")
        driver.wait_for_no_window("Ignore List Editor")

    def wait_visible(self, peer, title, visible):
        driver.wait_until(lambda: peer.visible(title) == visible,
                          f'"{title}" to be {"shown" if visible else "hidden"}')

    def test_window_pages_hide_and_show_the_selected_windows_and_the_ignore_list_keeps_out(self):
        prepare()
        peer = self.start_peer(*PEERS[:1])
        for title in PEERS[1:]:
            peer.open(title)
        foreign = self.start_peer("Hidden by its own program")
        foreign.do("hide", 0)
        program = self.start()
        self.page("Visible Windows")
        driver.select(MAIN, "row", "Calculator")
        driver.select(MAIN, "row", "Notes - Editor", modifiers="ctrl")
        driver.click(MAIN, "control", "Hide Selected")
        self.wait_visible(peer, "Calculator", False)
        self.wait_visible(peer, "Notes - Editor", False)
        self.assertTrue(peer.visible("Inbox - Mail"))

        self.page("Hidden Windows")
        driver.screenshot("page_hidden_windows")
        driver.select(MAIN, "row", "Calculator")
        driver.click(MAIN, "control", "Show All But Selected")
        self.wait_visible(peer, "Notes - Editor", True)
        self.assertFalse(peer.visible("Calculator"))
        driver.click(MAIN, "control", "Show Selected")
        self.wait_visible(peer, "Calculator", True)

        # Windows this program did not hide are listed only after a warning, and showing one
        # asks again.
        driver.click(MAIN, "control", "List all hidden windows")
        answer("Hidden Windows", "Yes")
        driver.select(MAIN, "row", "Hidden by its own program")
        driver.click(MAIN, "control", "Show Selected")
        answer("Unhide Window", "No")
        self.assertFalse(foreign.visible("Hidden by its own program"))
        # A window that comes while the question is open changes nothing of what is shown.
        driver.click(MAIN, "control", "Show Selected")
        driver.wait_for_window("Unhide Window")
        foreign.do("hide", foreign.open("Opened while asked"))
        driver.spot(MAIN, "row", "Opened while asked")
        answer("Unhide Window", "Yes")
        self.wait_visible(foreign, "Hidden by its own program", True)
        self.assertFalse(foreign.visible("Opened while asked"))

        self.add_ignore_rule("Calculator")
        self.page("Visible Windows")
        driver.screenshot("page_visible_windows")
        driver.click(MAIN, "control", "Hide All")
        self.wait_visible(peer, "Inbox - Mail", False)
        self.assertTrue(peer.visible("Calculator"), "the ignored window was listed")
        driver.wait_for_no_window(MAIN)
        driver.probe("post", MAIN, str(WM_COMMAND), str(EXIT_COMMAND), "0")
        answer("Hidden Windows", "Yes")
        self.assertEqual(program.wait(), 0)
        self.assertTrue(peer.visible("Inbox - Mail"))
        self.assertIn('phrase="Calculator"', driver.read_data_file("ignore_list.xml"))

    def test_a_group_hot_key_timer_and_ignore_rule_made_in_the_editors_outlive_kill_and_sign_out(self):
        prepare()
        peer = self.start_peer(MEMBER, BYSTANDER)
        program = self.start()
        self.page("Window Groups")
        driver.click(MAIN, "control", "Add")
        # The name box has the focus; the phrase box is three tab stops further.
        type_into("Window Group Editor", "Reports")
        type_into("Window Group Editor", "Quarterly Report", "Tab", "Tab", "Tab")
        driver.click_button("Window Group Editor", "Add Pattern")
        driver.screenshot("window_group_editor")
        driver.click_button("Window Group Editor", "OK")
        driver.wait_for_no_window("Window Group Editor")
        driver.select(MAIN, "row", "Reports")
        driver.click(MAIN, "control", "Hide All")
        self.wait_visible(peer, MEMBER, False)
        self.assertTrue(peer.visible(BYSTANDER))
        driver.click(MAIN, "control", "Show All")
        self.wait_visible(peer, MEMBER, True)

        self.page("Hot Keys")
        driver.click(MAIN, "control", "Add")
        # From the group list, the key list is six tab stops on; a letter there chooses the key.
        driver.wait_for_window("Hot Key Editor")
        driver.activate("Hot Key Editor")
        driver.xdotool("key", "--delay", "40", *["Tab"] * 6, HOT_KEY.key.lower())
        driver.wait_until(lambda: HOT_KEY.key in driver.window_texts("Hot Key Editor"),
                          "the key chosen in the Hot Key Editor")
        driver.click_button("Hot Key Editor", "OK")
        driver.wait_for_no_window("Hot Key Editor")
        for visible in (False, True):
            driver.press_keys(HOT_KEY.xdotool, window_title=BYSTANDER)
            self.wait_visible(peer, MEMBER, visible)

        # A new clock timer runs from now for half an hour, once activated.
        self.page("Visibility Timers")
        driver.click(MAIN, "control", "Add")
        driver.wait_for_window("Visibility Timer Editor")
        driver.click_button("Visibility Timer Editor", "OK")
        answer("Activate Timer", "No")
        self.add_ignore_rule("Holiday Photos")
        # Each was saved when made, so a kill loses none of them: the next run has them all.
        program.kill()
        self.assertIn('phrase="Holiday Photos"', driver.read_data_file("ignore_list.xml"))

        # Activated on its page it hides its group; switched off, it shows it at once.
        program = self.start()
        self.page("Visibility Timers")
        driver.select(MAIN, "row", TIMER_ROW)
        driver.click(MAIN, "control", "Activate")
        self.wait_visible(peer, MEMBER, False)
        driver.click(MAIN, "control", "Deactivate")
        self.wait_visible(peer, MEMBER, True)
        driver.spot(MAIN, "control", "Activate")
        for visible in (False, True):
            driver.press_keys(HOT_KEY.xdotool, window_title=BYSTANDER)
            self.wait_visible(peer, MEMBER, visible)

        # A sign-out: the system asks, ends the session, and then ends the process by force.
        log = driver.data_folder() / "log.xml"
        written = log.stat().st_mtime_ns
        driver.probe("post", MAIN, str(WM_QUERYENDSESSION), "0", "0")
        driver.probe("post", MAIN, str(WM_ENDSESSION), "1", "0")
        driver.wait_until(lambda: log.stat().st_mtime_ns != written, "the log at the session end")
        program.kill()
        program = self.start()

        # Removing the group asks first, then takes its hot key and timer with it.
        self.page("Window Groups")
        driver.select(MAIN, "row", "Reports")
        driver.click(MAIN, "control", "Remove")
        answer("Remove Group", "Yes")
        self.exit(program)
        self.assertNotIn(f'key_code="{ord(HOT_KEY.key)}"', driver.read_data_file("hotkeys.xml"))
        for name in ("groups.xml", "timers.xml"):
            self.assertNotIn("<rule", driver.read_data_file(name), name)


if __name__ == "__main__":
    unittest.main()
