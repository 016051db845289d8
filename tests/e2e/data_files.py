"""Hushcloak's data files, written into the test prefix's data folder before the program starts,
in the layout the program itself writes: one list element, one `rule` per record."""

import dataclasses
from xml.sax.saxutils import quoteattr

import driver

STARTS_WITH, CONTAINS, EXACTLY_MATCHES = 1, 2, 4
# Hot key actions, and the five program-wide events by slot.
TOGGLE, SHOW_ONLY, HIDE_ONLY = 0, 1, 2
TOGGLE_ALL, HIDE_ACTIVE, HIDE_ALL_BUT_ACTIVE, SHOW_ALL, HIDE_ALL = range(5)
NO_KEY = 1000
EXIT_COMMAND = 40001
MAIN = "Hushcloak"


@dataclasses.dataclass(frozen=True)
class Pattern:
    phrase: str
    compare: int = EXACTLY_MATCHES

    def attributes(self):
        return (f'applies_to="0" case_sensitive="false" compare="{self.compare}" '
                f"phrase={quoteattr(self.phrase)}")


@dataclasses.dataclass(frozen=True)
class Keys:
    """A combination such as Keys("ctrl+alt", "T"), as xdotool presses it and the file holds it."""
    modifiers: str
    key: str

    @property
    def xdotool(self):
        return f"{self.modifiers}+{self.key.lower()}"

    @property
    def text(self):
        names = {"ctrl": "CTRL", "alt": "ALT", "shift": "SHIFT"}
        return " ".join([names[n] + " +" for n in names if n in self.modifiers] + [self.key])

    def rule(self, event=-1, action=TOGGLE, group=-1, key_code=None):
        held = self.modifiers.split("+")
        flags = " ".join(f'mod_{name}="{boolean(name in held)}"' for name in ("alt", "ctrl", "shift"))
        return (f'<rule action="{action}" event_index="{event}" group_id="{group}" '
                f'key_code="{key_code or ord(self.key)}" {flags} mod_win="false" />')


def boolean(flag):
    return "true" if flag else "false"


def clock_timer(group, start_minutes_ago, duration_minutes, enabled=True):
    """A clock timer whose period starts the given minutes before the local time under Wine."""
    hours, minutes, _ = driver.local_time()
    start_h, start_m = divmod((hours * 60 + minutes - start_minutes_ago) % (24 * 60), 60)
    duration_h, duration_m = divmod(duration_minutes, 60)
    return (f'<rule duration_h="{duration_h}" duration_m="{duration_m}" duration_s="0" '
            f'enabled="{boolean(enabled)}" group_id="{group}" start_h="{start_h}" '
            f'start_m="{start_m}" start_s="0" type="0" />')


def stopwatch(group, minutes):
    return (f'<rule duration_h="0" duration_m="{minutes}" duration_s="0" enabled="false" '
            f'group_id="{group}" start_h="0" start_m="0" start_s="0" type="1" />')


def write(name, elements):
    folder = driver.data_folder()
    folder.mkdir(parents=True, exist_ok=True)
    lines = ["<?xml version=\"1.0\" ?>", "<settings>", *elements, "</settings>", ""]
    (folder / name).write_bytes("\r\n".join(lines).encode("latin-1"))


def prepare(groups=None, ignore=(), events=None, hot_keys=(), timers=(), x=100, y=100,
            width=800, height=560, maximized=False, check_updates=False):
    """Writes all five files. `groups` maps a group id to (name, patterns); `events` an event
    slot to its Keys; `hot_keys` are (group id, action, Keys); `timers` are rules."""
    write("settings.xml", [
        f'<window><position x="{x}" y="{y}" />',
        f'<size maximized="{boolean(maximized)}" x="{width}" y="{height}" /></window>',
        f'<options build_number="0" check_updates="{boolean(check_updates)}" />'])
    group_lines = []
    for group_id, (name, patterns) in (groups or {}).items():
        group_lines += [f'<rule id="{group_id}" name={quoteattr(name)}>',
                        *(f"<pattern {p.attributes()} />" for p in patterns), "</rule>"]
    write("groups.xml", ["<groups>", *group_lines, "</groups>"])
    write("ignore_list.xml", ["<ignore_list>", *(f"<rule {p.attributes()} />" for p in ignore),
                              "</ignore_list>"])
    events = events or {}
    write("hotkeys.xml", ["<hotkeys>"] + [
        events[slot].rule(slot) if slot in events else Keys("", "A").rule(slot, key_code=NO_KEY)
        for slot in range(5)] + [keys.rule(-1, action, group) for group, action, keys in hot_keys]
        + ["</hotkeys>"])
    write("timers.xml", ["<timers>", *timers, "</timers>"])
