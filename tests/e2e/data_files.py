"""Hushcloak's data files, written into the test prefix's data folder before the program starts.

Every helper writes the layout the program itself writes: root element `settings`, one list
element, one `rule` per record, every value an attribute.
"""

import dataclasses
import time
from xml.sax.saxutils import quoteattr

import driver

DECLARATION = "<?xml version=\"1.0\"  standalone='no' >\n"

# Pattern compare modes and targets.
STARTS_WITH = 1
CONTAINS = 2
EXACTLY_MATCHES = 4
TITLE = 0

# Hot key actions.
TOGGLE_VISIBILITY = 0
SHOW_ONLY = 1
HIDE_ONLY = 2

# The five program-wide events, by slot.
TOGGLE_ALL_WINDOWS = 0
HIDE_ACTIVE_WINDOW = 1
HIDE_ALL_EXCEPT_ACTIVE = 2
SHOW_ALL_WINDOWS = 3
HIDE_ALL_WINDOWS = 4

UNSPECIFIED_KEY = 1000


@dataclasses.dataclass(frozen=True)
class Pattern:
    phrase: str
    compare: int = EXACTLY_MATCHES
    applies_to: int = TITLE
    case_sensitive: bool = False

    def attributes(self):
        return (
            f'applies_to="{self.applies_to}" case_sensitive="{boolean(self.case_sensitive)}" '
            f'compare="{self.compare}" phrase={quoteattr(self.phrase)}'
        )


@dataclasses.dataclass(frozen=True)
class Group:
    id: int
    name: str
    patterns: tuple


@dataclasses.dataclass(frozen=True)
class Keys:
    """A key combination such as Keys("ctrl+alt", "T"); `key` is one letter or digit."""

    modifiers: str
    key: str

    @property
    def key_code(self):
        return ord(self.key.upper())

    @property
    def xdotool(self):
        """The combination as xdotool presses it."""
        return f"{self.modifiers}+{self.key.lower()}"

    @property
    def text(self):
        """The combination as the program names it, e.g. CTRL + ALT + T."""
        names = {"ctrl": "CTRL", "alt": "ALT", "shift": "SHIFT", "super": "WIN"}
        parts = [names[name] + " +" for name in ("ctrl", "alt", "shift", "super")
                 if name in self.modifiers.split("+")]
        return " ".join(parts + [self.key.upper()])

    def rule(self, event_index, action=TOGGLE_VISIBILITY, group_id=-1):
        held = self.modifiers.split("+")
        return (
            f'<rule action="{action}" event_index="{event_index}" group_id="{group_id}" '
            f'key_code="{self.key_code}" mod_alt="{boolean("alt" in held)}" '
            f'mod_ctrl="{boolean("ctrl" in held)}" mod_shift="{boolean("shift" in held)}" '
            f'mod_win="{boolean("super" in held)}" />'
        )


@dataclasses.dataclass(frozen=True)
class GroupHotKey:
    group_id: int
    action: int
    keys: Keys


@dataclasses.dataclass(frozen=True)
class ClockTimer:
    group_id: int
    start_h: int
    start_m: int
    duration_h: int
    duration_m: int
    enabled: bool = True

    def rule(self):
        return (
            f'<rule duration_h="{self.duration_h}" duration_m="{self.duration_m}" duration_s="0" '
            f'enabled="{boolean(self.enabled)}" group_id="{self.group_id}" '
            f'start_h="{self.start_h}" start_m="{self.start_m}" start_s="0" type="0" />'
        )


def boolean(flag):
    return "true" if flag else "false"


def write(name, elements):
    folder = driver.data_folder()
    folder.mkdir(parents=True, exist_ok=True)
    text = DECLARATION + "<settings>\n" + "".join(f"    {line}\n" for line in elements) + "</settings>\n"
    (folder / name).write_bytes(text.encode("latin-1"))


def write_settings(x=100, y=100, width=700, height=500, maximized=False):
    """Placement as given; the update check off, so no test depends on a web server."""
    write("settings.xml", [
        "<window>",
        f'    <position x="{x}" y="{y}" />',
        f'    <size maximized="{boolean(maximized)}" x="{width}" y="{height}" />',
        "</window>",
        '<options build_number="0" check_updates="false" />',
    ])


def write_groups(*groups):
    lines = ["<groups>"]
    for group in groups:
        lines.append(f"    <rule id=\"{group.id}\" name={quoteattr(group.name)}>")
        lines += [f"        <pattern {pattern.attributes()} />" for pattern in group.patterns]
        lines.append("    </rule>")
    write("groups.xml", lines + ["</groups>"])


def write_ignore_list(*patterns):
    write("ignore_list.xml",
          ["<ignore_list>"] + [f"    <rule {pattern.attributes()} />" for pattern in patterns]
          + ["</ignore_list>"])


def write_hot_keys(events=None, group_hot_keys=()):
    """`events` maps an event slot to its Keys; slots not named have no key."""
    events = events or {}
    lines = ["<hotkeys>"]
    for slot in range(5):
        keys = events.get(slot)
        if keys is None:
            lines.append(
                f'    <rule action="0" event_index="{slot}" group_id="-1" '
                f'key_code="{UNSPECIFIED_KEY}" mod_alt="false" mod_ctrl="false" '
                'mod_shift="false" mod_win="false" />'
            )
        else:
            lines.append("    " + keys.rule(slot))
    for hot_key in group_hot_keys:
        lines.append("    " + hot_key.keys.rule(-1, hot_key.action, hot_key.group_id))
    write("hotkeys.xml", lines + ["</hotkeys>"])


def write_timers(*timers):
    write("timers.xml", ["<timers>"] + [f"    {timer.rule()}" for timer in timers] + ["</timers>"])


def prepare(groups=(), ignore=(), events=None, group_hot_keys=(), timers=(), **placement):
    """Writes all five files, so that the program starts with exactly this data."""
    write_settings(**placement)
    write_groups(*groups)
    write_ignore_list(*ignore)
    write_hot_keys(events, group_hot_keys)
    write_timers(*timers)


def local_time():
    """The wall-clock time Hushcloak reads under Wine, which shares the machine's time zone."""
    return time.localtime()
