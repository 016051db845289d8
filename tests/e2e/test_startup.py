"""Start-up as a single instance, the data folder and the log, and the exit that follows the
message loop's quit message."""

import os
import pathlib
import unittest

import driver

IMAGE_NAME = "hushcloak.exe"
LIST_FILES = ("ignore_list.xml", "groups.xml", "hotkeys.xml", "timers.xml")


def windows_path(linux_path):
    """The path under which a program in the test prefix sees a Linux path."""
    path = pathlib.Path(linux_path).resolve()
    drive_c = (pathlib.Path(os.environ["WINEPREFIX"]) / "drive_c").resolve()
    if path.is_relative_to(drive_c):
        return "C:\\" + "\\".join(path.relative_to(drive_c).parts)
    return "Z:" + str(path).replace("/", "\\")


def data_file_path(name):
    return windows_path(driver.data_folder() / name).replace("\\", "/")


def first_run_start_up_lines():
    """The log of a start with an empty data folder, line by line."""
    lines = [
        f"Current directory: [{windows_path(os.getcwd())}\\]",
        f"Application directory: [{windows_path(driver.data_folder().parent)}//Hushcloak]",
    ]
    outcomes = [
        ("settings.xml", "Settings loaded successfully."),
        ("ignore_list.xml", "Unable to load ignore list."),
        ("groups.xml", "Unable to load group list."),
        ("hotkeys.xml", "Unable to load hot key list."),
        ("timers.xml", "Unable to load timer list."),
        ("hidden_windows.xml", "Unable to load hidden window list."),
    ]
    for name, outcome in outcomes:
        lines += [
            f"Unable to load file: {data_file_path(name)}.",
            f"Unable to load configuration: {data_file_path(name)}",
            outcome,
        ]
    return lines


def log_lines():
    """The log's lines once it has been written, each checked for its CR LF ending."""
    path = driver.data_folder() / "log.xml"
    if not path.exists():
        return None
    text = driver.read_log()
    if not text.endswith("\r\n"):
        return None
    return text[: -len("\r\n")].split("\r\n")


def post_quit_message():
    """Posts WM_QUIT to the program's threads, as another program would to end its loop."""
    driver.wait_until(
        lambda: driver.probe("quit", IMAGE_NAME)[0] == 0, f"a running {IMAGE_NAME} to post to"
    )


class FirstRun(driver.WineTestCase):
    def test_an_empty_profile_gets_its_folder_settings_and_log_in_order(self):
        program = self.start_hushcloak()

        lines = driver.wait_until(log_lines, "the log written at the end of start-up")
        self.assertEqual(lines, first_run_start_up_lines())
        self.assertTrue((driver.data_folder() / "settings.xml").is_file())
        for name in LIST_FILES:
            self.assertFalse((driver.data_folder() / name).exists(), name)

        post_quit_message()
        self.assertEqual(program.wait(), 0)
        self.assertEqual(log_lines(), first_run_start_up_lines())
        for name in LIST_FILES:
            self.assertTrue((driver.data_folder() / name).is_file(), name)
        self.assertEqual(
            sorted(path.name for path in driver.data_folder().iterdir()),
            sorted(("log.xml", "settings.xml", "hidden_windows.xml") + LIST_FILES),
        )

    def test_the_next_run_loads_what_the_first_exit_saved(self):
        first = self.start_hushcloak()
        driver.wait_until(log_lines, "the first run's log")
        post_quit_message()
        self.assertEqual(first.wait(), 0)

        second = self.start_hushcloak()
        lines = driver.wait_until(
            lambda: (log_lines() or [""])[-1] == "Timer list loaded successfully." and log_lines(),
            "the second run's log",
        )
        self.assertEqual(
            lines[2:],
            [
                "Settings loaded successfully.",
                "Ignore list loaded successfully.",
                "Group list loaded successfully.",
                "Hot key list loaded successfully.",
                "Timer list loaded successfully.",
            ],
        )
        post_quit_message()
        self.assertEqual(second.wait(), 0)


class SecondInstance(driver.WineTestCase):
    def test_a_second_instance_ends_at_once_with_code_zero_writing_nothing(self):
        first = self.start_hushcloak()
        start_up_lines = driver.wait_until(log_lines, "the first instance's log")
        log_file = driver.data_folder() / "log.xml"
        written = log_file.stat().st_mtime_ns

        second = self.start_hushcloak()
        self.assertEqual(second.wait(), 0)

        self.assertEqual(log_file.stat().st_mtime_ns, written)
        self.assertEqual(log_lines(), start_up_lines)
        self.assertTrue(first.running)
        post_quit_message()
        self.assertEqual(first.wait(), 0)
        self.assertEqual(log_lines(), start_up_lines)


if __name__ == "__main__":
    unittest.main()
