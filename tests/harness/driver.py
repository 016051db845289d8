"""Drives Hushcloak and the harness's peer programs under Wine for the end-to-end tests.

What a test clicks it first finds by asking the program's windows through the probe (a tab's
or a list row's rectangle, a control by its caption), then clicks there with the real mouse.

The tests run inside the test run's environment (DISPLAY, WINEPREFIX, HUSHCLOAK_APPDATA_DIR and
the screenshot folder, set by tests/harness/wine_fixture.sh); the programs come from
HUSHCLOAK_EXE, HUSHCLOAK_PEER and HUSHCLOAK_PROBE. Every wait has a timeout, so a hung program
fails its test instead of hanging the run, and every process started here is killed by its id.
What the programs of a test print goes to a folder of its own under the build's test-results;
when the test fails, that folder also gets the data files and a screenshot, and what it holds is
printed, so that the test's output alone explains the failure.
"""

import dataclasses
import os
import pathlib
import queue
import re
import shutil
import subprocess
import tempfile
import threading
import time
import unittest

# Generous, because a loaded machine starts Wine programs slowly; a hung program still fails.
TIMEOUT = 60.0
POLL_INTERVAL = 0.2
# Polls in a row that must find the X input focus on a window before keys are pressed there.
FOCUS_STEADY_POLLS = 3
# How much of each saved file a failing test prints.
PRINTED_TAIL = 6000

# Show commands as GetWindowPlacement reports them.
SW_SHOWNORMAL = 1
SW_SHOWMINIMIZED = 2
SW_SHOWMAXIMIZED = 3

# RegisterHotKey modifiers.
MOD_ALT = 0x1
MOD_CONTROL = 0x2


class DriverError(AssertionError):
    """A program did not do what the test waited for in time."""


@dataclasses.dataclass(frozen=True)
class TopLevelWindow:
    handle: str
    process_id: int
    visible: bool
    show_command: int
    class_name: str
    title: str


@dataclasses.dataclass(frozen=True)
class PeerWindow:
    index: int
    handle: str
    visible: bool
    show_command: int
    title: str


def setting(name):
    value = os.environ.get(name)
    if not value:
        raise DriverError(f"{name} is not set: run the end-to-end tests through ctest")
    return value


def wait_until(condition, description, timeout=TIMEOUT):
    """Polls condition until it returns a true value, and returns that value."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise DriverError(f"timed out after {timeout:g} s waiting for {description}")
        time.sleep(POLL_INTERVAL)


def run_wine(program, *arguments, timeout=TIMEOUT):
    """Runs a Windows console program to its end and returns the completed process.

    Its output goes to files, not pipes: the first program of a session starts Wine's desktop
    process, which inherits the program's output and outlives it, so a pipe would stay open."""
    with tempfile.TemporaryFile() as output, tempfile.TemporaryFile() as errors:
        try:
            completed = subprocess.run(
                ["wine", program, *arguments],
                stdin=subprocess.DEVNULL,
                stdout=output,
                stderr=errors,
                timeout=timeout,
                check=False,
            )
        except subprocess.TimeoutExpired as error:
            raise DriverError(f"{pathlib.Path(program).name} {' '.join(arguments)} hung") from error
        output.seek(0)
        errors.seek(0)
        return subprocess.CompletedProcess(completed.args, completed.returncode, output.read(),
                                           errors.read())


def probe(*arguments):
    result = run_wine(setting("HUSHCLOAK_PROBE"), *arguments)
    return result.returncode, result.stdout.decode("utf-8", "replace")


# The probe's listing itself cannot fail, but on a loaded machine Wine now and then fails to
# start a program; a listing is tried this many times before the test gives up.
PROBE_LIST_TRIES = 3


def top_level_windows():
    """Every top-level window of the Wine session, in Z order."""
    for _ in range(PROBE_LIST_TRIES):
        result = run_wine(setting("HUSHCLOAK_PROBE"), "list")
        if result.returncode == 0:
            break
    else:
        error = result.stderr.decode("utf-8", "replace").strip()[-500:]
        raise DriverError(f"probe list failed with exit code {result.returncode}: {error}")
    windows = []
    for line in result.stdout.decode("utf-8", "replace").splitlines():
        handle, process_id, visible, show_command, class_name, title = line.split("\t", 5)
        windows.append(
            TopLevelWindow(
                handle, int(process_id), visible == "1", int(show_command), class_name, title
            )
        )
    return windows


def find_window(title):
    """The visible top-level window with this title, or None."""
    for window in top_level_windows():
        if window.visible and window.title == title:
            return window
    return None


def wait_for_window(title, timeout=TIMEOUT):
    return wait_until(lambda: find_window(title), f'a visible window "{title}"', timeout)


def wait_for_no_window(title, timeout=TIMEOUT):
    wait_until(lambda: find_window(title) is None, f'the window "{title}" to go', timeout)


def window_texts(title):
    """The texts of the child windows (labels, buttons) of the visible window with this title."""
    code, output = probe("texts", title)
    if code != 0:
        raise DriverError(f'no visible window "{title}"')
    return [line.rstrip("\r") for line in output.splitlines()]


def click_button(window_title, caption, timeout=TIMEOUT):
    """Clicks a button of a dialog or message box, as the user would answer it."""
    wait_until(
        lambda: probe("click", window_title, caption)[0] == 0,
        f'a button "{caption}" in the window "{window_title}"',
        timeout,
    )


def post_command(window_title, command_id, timeout=TIMEOUT):
    """Sends a menu command (WM_COMMAND) to a window, as if the user chose that menu item."""
    wait_until(
        lambda: probe("command", window_title, str(command_id))[0] == 0,
        f'the window "{window_title}" to take command {command_id}',
        timeout,
    )


def xdotool(*arguments, timeout=TIMEOUT):
    try:
        result = subprocess.run(
            ["xdotool", *arguments], capture_output=True, text=True, timeout=timeout, check=False
        )
    except subprocess.TimeoutExpired as error:
        raise DriverError(f"xdotool {' '.join(arguments)} hung") from error
    if result.returncode != 0:
        raise DriverError(f"xdotool {' '.join(arguments)} failed: {result.stderr.strip()}")
    return result.stdout


def focus_window(title, timeout=TIMEOUT):
    """Gives X input focus to the Wine window with this title, so that key presses reach Wine."""

    def x_window():
        try:
            found = xdotool("search", "--name", f"^{title}$").split()
        except DriverError:
            return None
        return found[0] if found else None

    target = wait_until(x_window, f'an X window "{title}"', timeout)

    # Wine may still be moving the focus after a window opened, was shown or was clicked; keys
    # pressed before the focus has settled go elsewhere and are lost. So the focus has to stay
    # on the target for a few polls in a row.
    steady_polls = 0

    def settled():
        nonlocal steady_polls
        if xdotool("getwindowfocus").strip() == target:
            steady_polls += 1
        else:
            steady_polls = 0
            xdotool("windowfocus", target)
        return steady_polls >= FOCUS_STEADY_POLLS

    xdotool("windowfocus", target)
    wait_until(settled, f'the X input focus to stay on "{title}"', timeout)


def press_keys(*keys, window_title=None):
    """Presses real keys on the test display, such as "ctrl+alt+h" or "Escape"."""
    if window_title is not None:
        focus_window(window_title)
    xdotool("key", "--clearmodifiers", *keys)


def foreground_title():
    """The title of the system's active window, or None when the probe cannot tell."""
    code, output = probe("foreground")
    return output.strip() if code == 0 else None


def spot(title, kind, text=None, timeout=TIMEOUT):
    """(x, y, selected): the screen point in the middle of a tab, list row ("row", by its
    first cell), control (by caption), "caption" or "client" area of the visible window `title`."""

    def ask():
        code, output = probe("where", title, kind, *([] if text is None else [text]))
        return output.split() if code == 0 else None

    found = wait_until(ask, f'{kind} "{text or ""}" in the window "{title}"', timeout)
    return int(found[0]), int(found[1]), found[2:] == ["selected"]


def click(title, kind, text=None, modifiers=None, button="1"):
    """Clicks the middle of what spot() finds, with the real mouse."""
    x, y, _ = spot(title, kind, text)
    xdotool("mousemove", str(x), str(y))
    if modifiers:
        xdotool("keydown", modifiers)
    xdotool("click", button)
    if modifiers:
        xdotool("keyup", modifiers)


def select(title, kind, text, modifiers=None):
    """Clicks a tab or list row until the program reports it selected."""
    last_click = None

    def selected():
        nonlocal last_click
        if spot(title, kind, text)[2]:
            return True
        if last_click is None or time.monotonic() - last_click > CLICK_AGAIN_SECONDS:
            click(title, kind, text, modifiers)
            last_click = time.monotonic()
        return False

    wait_until(selected, f'{kind} "{text}" to be selected in "{title}"')


def click_until(condition, description, title, kind, text=None, button="1"):
    """Clicks what spot() finds until condition() holds: a click that Wine loses on a busy
    machine is made again after CLICK_AGAIN_SECONDS."""
    last_click = None

    def done():
        nonlocal last_click
        if condition():
            return True
        if last_click is None or time.monotonic() - last_click > CLICK_AGAIN_SECONDS:
            click(title, kind, text, button=button)
            last_click = time.monotonic()
        return False

    wait_until(done, description)


def local_time():
    """(hours, minutes, seconds): the local time as the programs under Wine see it."""
    code, output = probe("time")
    if code != 0:
        raise DriverError("the probe could not tell the local time")
    return tuple(int(part) for part in output.split())


# A click on a caption that Wine loses on a busy machine is made again after this many seconds;
# sooner, two clicks could make a double click, which maximises the window.
CLICK_AGAIN_SECONDS = 2.0


def activate(title, timeout=TIMEOUT):
    """Makes the window the system's active one, as a click on its caption does."""
    last_click = None

    def in_front():
        nonlocal last_click
        if foreground_title() == title:
            return True
        if last_click is None or time.monotonic() - last_click > CLICK_AGAIN_SECONDS:
            # Raised first: the caption may lie under another window.
            xdotool("windowraise", xdotool("search", "--name", f"^{title}$").split()[0])
            x, y, _ = spot(title, "caption")
            xdotool("mousemove", str(x), str(y), "click", "1")
            last_click = time.monotonic()
        return False

    wait_until(in_front, f'"{title}" to be in front', timeout)


def screenshot(name):
    """Saves the whole test display as <screenshot folder>/<name>.png and returns its path."""
    folder = pathlib.Path(setting("HUSHCLOAK_SCREENSHOT_DIR"))
    folder.mkdir(parents=True, exist_ok=True)
    return screenshot_to(folder / f"{name}.png")


def screenshot_to(path):
    try:
        subprocess.run(
            ["import", "-display", setting("DISPLAY"), "-window", "root", str(path)],
            capture_output=True, timeout=TIMEOUT, check=True,
        )
    except (subprocess.CalledProcessError, subprocess.TimeoutExpired) as error:
        raise DriverError(f"no screenshot {path}") from error
    return path


def data_folder():
    """Hushcloak's data folder in the test prefix (%APPDATA%\\Hushcloak)."""
    return pathlib.Path(setting("HUSHCLOAK_APPDATA_DIR")) / "Hushcloak"


SHELL_FOLDERS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders"
SHARE = r"\\hushcloak\roaming"


def set_registry_value(test, key, name, kind, value):
    """Sets a value in the prefix's registry until the test ends."""
    listed = run_wine("reg", "query", key, "/v", name).stdout.decode("latin-1")
    original = re.search(rf"{name}\s+REG_\w+\s+(.+?)\s*$", listed, re.M).group(1)

    def set_to(data):
        run_wine("reg", "add", key, "/v", name, "/t", kind, "/d", data, "/f")

    set_to(value)
    test.addCleanup(set_to, original)


def data_folder_on_share(test):
    r"""Makes the prefix's roaming application-data folder the share SHARE until the test ends.
    Wine reaches \\server\share through the prefix's dosdevices/unc folder, which here leads to
    the usual folder, so data_folder() still names the same files."""
    server = pathlib.Path(setting("WINEPREFIX")) / "dosdevices" / "unc" / "hushcloak"
    server.mkdir(parents=True, exist_ok=True)
    (server / "roaming").symlink_to(setting("HUSHCLOAK_APPDATA_DIR"), target_is_directory=True)
    test.addCleanup((server / "roaming").unlink)
    set_registry_value(test, SHELL_FOLDERS, "AppData", "REG_EXPAND_SZ", SHARE)


def wipe_data_folder():
    shutil.rmtree(data_folder(), ignore_errors=True)


def read_data_file(name):
    """A data file's text; the program writes one byte per character."""
    return (data_folder() / name).read_bytes().decode("latin-1")


def read_log():
    return read_data_file("log.xml")


class WineProcess:
    """A Windows program started under Wine, killed by its process id when no longer needed.

    What it prints (its standard error, and its standard output unless that is a pipe) goes to
    the file `output`.
    """

    def __init__(self, program, *arguments, output, stdin=subprocess.DEVNULL, stdout=None):
        self.name = pathlib.Path(program).name
        with open(output, "ab") as output_file:
            self.process = subprocess.Popen(
                ["wine", program, *arguments],
                stdin=stdin,
                stdout=output_file if stdout is None else stdout,
                stderr=output_file,
            )

    @property
    def running(self):
        return self.process.poll() is None

    def wait(self, timeout=TIMEOUT):
        """Waits for the program to end and returns its exit code."""
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired as error:
            self.kill()
            raise DriverError(f"{self.name} did not end within {timeout:g} s") from error

    def kill(self):
        if self.running:
            self.process.kill()
            self.process.wait(timeout=TIMEOUT)


class Peer(WineProcess):
    """The peer program (tests/harness/peer_win.cpp): real foreign windows in another process."""

    def __init__(self, *titles, output):
        super().__init__(
            setting("HUSHCLOAK_PEER"), *titles, output=output, stdin=subprocess.PIPE,
            stdout=subprocess.PIPE,
        )
        # Commands and answers, in order, for the failure report.
        self._transcript = open(f"{output}.transcript", "a", encoding="utf-8")
        self._transcript_lock = threading.Lock()
        self._replies = queue.Queue()
        self._events = queue.Queue()
        threading.Thread(target=self._read_lines, daemon=True).start()
        try:
            ready = self._reply()
        except DriverError:
            self.kill()
            raise
        if ready != "ready":
            self.kill()
            raise DriverError(f"peer did not start: {ready}")

    def _note(self, text):
        with self._transcript_lock:
            if not self._transcript.closed:
                self._transcript.write(f"{time.monotonic():.2f} {text}\n")
                self._transcript.flush()

    def _read_lines(self):
        for raw in self.process.stdout:
            line = raw.decode("utf-8", "replace").rstrip("\r\n")
            self._note(f"< {line}")
            (self._events if line.startswith("event ") else self._replies).put(line)
        self._note("< (end of output)")
        self._replies.put(None)

    def _reply(self, timeout=TIMEOUT):
        try:
            line = self._replies.get(timeout=timeout)
        except queue.Empty as error:
            raise DriverError("peer did not answer") from error
        if line is None:
            raise DriverError("peer ended")
        return line

    def send(self, command):
        """Sends a command without waiting for its answer (see answer)."""
        self._note(f"> {command}")
        self.process.stdin.write(command.encode("utf-8") + b"\n")
        self.process.stdin.flush()

    def answer(self, timeout=TIMEOUT):
        """The next answer, without the leading "ok"; a DriverError for an "error" answer."""
        line = self._reply(timeout)
        if not line.startswith("ok"):
            raise DriverError(f"peer: {line}")
        return line[2:].strip()

    def command(self, command):
        self.send(command)
        return self.answer()

    def open(self, title, owner=None):
        """Opens another window (owned by window `owner` when given); returns its index."""
        command = f"open {title}" if owner is None else f"owned {owner} {title}"
        return int(self.command(command).split()[0])

    def do(self, verb, index):
        """minimize, maximize, restore, hide, show or close the window `index`."""
        self.command(f"{verb} {index}")

    def window(self, title):
        return next(window for window in self.windows() if window.title == title)

    def visible(self, title):
        return self.window(title).visible

    def windows(self):
        self.send("list")
        windows = []
        while True:
            line = self._reply()
            if not line.startswith("window\t"):
                break
            _, index, handle, visible, show_command, title = line.split("\t", 5)
            windows.append(PeerWindow(int(index), handle, visible == "1", int(show_command), title))
        if line != "ok":
            raise DriverError(f"peer: {line}")
        return windows

    def register_hot_key(self, modifiers, key):
        return int(self.command(f"hotkey {modifiers} {key}"))

    def next_event(self, timeout=TIMEOUT):
        try:
            return self._events.get(timeout=timeout)[len("event "):]
        except queue.Empty as error:
            raise DriverError("peer reported no event") from error

    def kill(self):
        super().kill()
        with self._transcript_lock:
            self._transcript.close()


class Hushcloak(WineProcess):
    """The real hushcloak.exe of this build, or another copy of it."""

    def __init__(self, output, *arguments, program=None):
        super().__init__(program or setting("HUSHCLOAK_EXE"), *arguments, output=output)


RUN_KEY = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"


def run_entry():
    """The command of the per-user Run entry "Hushcloak" in the test prefix, or None."""
    result = run_wine("reg", "query", RUN_KEY, "/v", "Hushcloak")
    found = re.search(r"Hushcloak\s+REG_SZ\s+(.*\S)", result.stdout.decode("utf-8", "replace"))
    return found.group(1) if result.returncode == 0 and found else None


def output_root():
    """Where the tests' output folders go: the build's test-results, or a temporary folder."""
    build = os.environ.get("HUSHCLOAK_BUILD_DIR")
    if build:
        return pathlib.Path(build) / "test-results" / "e2e"
    return pathlib.Path(tempfile.gettempdir()) / "hushcloak-e2e"


def tail(path):
    text = path.read_bytes().decode("utf-8", "replace")
    if len(text) <= PRINTED_TAIL:
        return text
    return f"[... {len(text) - PRINTED_TAIL} characters before]\n{text[-PRINTED_TAIL:]}"


class WineTestCase(unittest.TestCase):
    """Starts every test with an empty data folder and kills what the test started.

    The test's folder under output_root() is kept, with a screenshot and the data files, only
    when the test fails.
    """

    _started_programs = 0

    def setUp(self):
        wipe_data_folder()

    @property
    def output_folder(self):
        return output_root() / re.sub(r"[^\w.-]", "_", self.id())

    def _output_file(self, name):
        if self._started_programs == 0:
            shutil.rmtree(self.output_folder, ignore_errors=True)
            self.output_folder.mkdir(parents=True)
        self._started_programs += 1
        return self.output_folder / f"{self._started_programs}-{name}.txt"

    def start_peer(self, *titles):
        peer = Peer(*titles, output=self._output_file("peer"))
        self.addCleanup(peer.kill)
        return peer

    def start_hushcloak(self, *arguments, program=None):
        program = Hushcloak(self._output_file("hushcloak"), *arguments, program=program)
        self.addCleanup(program.kill)
        return program

    def doCleanups(self):
        # Runs before the cleanups end the test's programs, so the screenshot still shows them.
        outcome = getattr(self, "_outcome", None)
        if outcome is None or outcome.success:
            shutil.rmtree(self.output_folder, ignore_errors=True)
        else:
            self._report_failure(self.output_folder)
        return super().doCleanups()

    def _report_failure(self, folder):
        try:
            folder.mkdir(parents=True, exist_ok=True)
            try:
                screenshot_to(folder / "display.png")
            except DriverError as error:
                (folder / "display.txt").write_text(f"{error}\n")
            if data_folder().is_dir():
                shutil.copytree(data_folder(), folder / "data", dirs_exist_ok=True)
        except OSError as error:
            print(f"\n  could not save the failure's files: {error}")
        print(f"\n==== {self.id()} failed; its files are in {folder}")
        for path in sorted(folder.rglob("*")):
            if path.is_file() and path.suffix in (".txt", ".transcript", ".xml"):
                print(f"---- {path.relative_to(folder)}\n{tail(path) or '(empty)'}")
        print(f"==== end of {self.id()}", flush=True)
