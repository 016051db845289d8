"""What the running program costs while it waits, against another build measured in the same run.

    python3 bench/idle_cost.py BASE_BUILD NEW_BUILD [--seconds 20] [--rounds 2] [--windows 200]

Both arguments are win64 build folders (BUILD/src/hushcloak.exe; the peer, probe and benchmark
programs are taken from NEW_BUILD, the enumeration benchmark from each build). The script gives
itself a Wine prefix on a virtual display of its own (tests/harness/wine_fixture.sh), opens the
peer windows in another process, and for each round and build, alternating:
  - the CPU of hushcloak.exe and of the prefix's wineserver, each a share of one core, with the
    main window in front and with it hidden in the tray, and no timer;
  - the CPU of the wineserver before the program starts (the floor the peer and the desktop
    make);
  - the round trip of a WM_NULL sent to the main window while a visibility timer ticks
    (bench/main_window_round_trip_win_bench.exe), median, 99th percentile and longest;
then each build's enumeration benchmark at 50, 200 and 500 windows, as the CPU of a pass over
that of a bare EnumWindows loop reading titles. It prints medians over the rounds and the ratio
of the new build to the base; the absolute figures depend on the machine and its load, the
ratios much less.
"""

import argparse
import json
import os
import pathlib
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parents[1]
sys.path[:0] = [str(ROOT / "tests" / "harness"), str(ROOT / "tests" / "e2e")]

import data_files  # noqa: E402
import driver  # noqa: E402

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
WM_CLOSE = 0x10
SETTLE_SECONDS = 4


def unix_processes(word, prefix):
    """Linux ids of this prefix's processes whose command line holds `word`."""
    found = []
    for entry in pathlib.Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            command = (entry / "cmdline").read_bytes()
            environment = (entry / "environ").read_bytes().split(b"\0")
        except OSError:
            continue
        if word.encode() in command and f"WINEPREFIX={prefix}".encode() in environment:
            found.append(int(entry.name))
    return found


def cpu_seconds(pid):
    fields = pathlib.Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def cpu_shares(pids, seconds):
    """The share of one core each process used over `seconds`, in per cent."""
    before = [cpu_seconds(pid) for pid in pids]
    start = time.monotonic()
    time.sleep(seconds)
    elapsed = time.monotonic() - start
    return [100 * (cpu_seconds(pid) - b) / elapsed for pid, b in zip(pids, before)]


def load_average():
    return pathlib.Path("/proc/loadavg").read_text().split()[0]


def measure_program(build, seconds, output, timers):
    """CPU in front and in the tray, or with `timers` the WM_NULL round trip while they tick."""
    os.environ["HUSHCLOAK_EXE"] = str(build / "src" / "hushcloak.exe")
    prefix = os.environ["WINEPREFIX"]
    groups = {1: ("Bench", [data_files.Pattern(phrase="Peer Window 0", compare=4)])}
    data_files.prepare(groups=groups,
                       timers=[data_files.clock_timer(1, 1, 120)] if timers else ())
    server = unix_processes("wineserver", prefix)[0]
    # What the server spends on the peer and the desktop alone, without the program.
    floor = {} if timers else {"floor wineserver %": cpu_shares([server], seconds)[0]}
    program = driver.Hushcloak(output=output)
    try:
        driver.wait_for_window("Hushcloak")
        time.sleep(SETTLE_SECONDS)
        hushcloak = unix_processes("hushcloak.exe", prefix)[0]
        if timers:
            result = subprocess.run(
                ["wine", str(NEW / "bench" / "main_window_round_trip_win_bench.exe"),
                 "--benchmark_format=json"], capture_output=True, timeout=600, check=True)
            run = json.loads(result.stdout)["benchmarks"][0]
            return {"round trip median ms": run["median_ms"], "round trip p99 ms": run["p99_ms"],
                    "round trip max ms": run["max_ms"]}
        figures = dict(floor)
        driver.activate("Hushcloak")
        front = cpu_shares([hushcloak, server], seconds)
        figures["front hushcloak %"], figures["front wineserver %"] = front
        figures["front both %"] = sum(front)
        driver.probe("post", "Hushcloak", str(WM_CLOSE), "0", "0")
        driver.wait_for_no_window("Hushcloak")
        time.sleep(SETTLE_SECONDS)
        tray = cpu_shares([hushcloak, server], seconds)
        figures["tray hushcloak %"], figures["tray wineserver %"] = tray
        figures["tray both %"] = sum(tray)
        return figures
    finally:
        program.kill()


def pass_ratios(build):
    """CPU of a pass without change over that of the bare title loop, by window count."""
    result = subprocess.run(
        ["wine", str(build / "bench" / "enumerate_windows_win_bench.exe"),
         "--benchmark_format=json", "--benchmark_filter=WithoutChange|titles"],
        capture_output=True, timeout=1200, check=True,
        env={**os.environ, "HUSHCLOAK_PEER": str(NEW / "tests" / "harness" / "peer.exe")})
    times = {}
    for run in json.loads(result.stdout)["benchmarks"]:
        name, count = run["name"].rsplit("/", 1)
        times[("pass" if "Engine" in name else "bare", int(count))] = run["cpu_time"]
    return {f"pass/bare at {n}": times[("pass", n)] / times[("bare", n)] for n in (50, 200, 500)}


def main():
    global NEW
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("base", type=pathlib.Path)
    parser.add_argument("new", type=pathlib.Path)
    parser.add_argument("--seconds", type=float, default=20)
    parser.add_argument("--rounds", type=int, default=2)
    parser.add_argument("--windows", type=int, default=200)
    arguments = parser.parse_args()
    builds = {"base": arguments.base.resolve(), "new": arguments.new.resolve()}
    NEW = builds["new"]
    os.environ["HUSHCLOAK_PROBE"] = str(NEW / "tests" / "harness" / "probe.exe")
    os.environ["HUSHCLOAK_PEER"] = str(NEW / "tests" / "harness" / "peer.exe")

    state = pathlib.Path(tempfile.mkdtemp(prefix="hushcloak-idle-"))
    fixture = ROOT / "tests" / "harness" / "wine_fixture.sh"
    subprocess.run(["bash", str(fixture), "start", str(state)], check=True)
    try:
        for line in (state / "environment").read_text().splitlines():
            key, value = line.split("=", 1)
            os.environ[key] = value
        peer = driver.Peer(*(f"Peer Window {i}" for i in range(arguments.windows)),
                           output=state / "peer.txt")
        figures = {name: {} for name in builds}
        loads = [load_average()]
        try:
            for round_number in range(arguments.rounds):
                for name, build in builds.items():
                    for timers in (False, True):
                        output = state / f"{name}-{round_number}-{timers}.txt"
                        measured = measure_program(build, arguments.seconds, output, timers)
                        for key, value in measured.items():
                            figures[name].setdefault(key, []).append(value)
                    loads.append(load_average())
        finally:
            peer.kill()
        for name, build in builds.items():
            for key, value in pass_ratios(build).items():
                figures[name].setdefault(key, []).append(value)
        loads.append(load_average())
    finally:
        subprocess.run(["bash", str(fixture), "stop", str(state)], check=False)

    print(f"{arguments.windows} peer windows, {arguments.rounds} rounds of "
          f"{arguments.seconds:g} s; load average (1 min) during the run: {', '.join(loads)}")
    print(f"{'figure':28} {'base':>10} {'new':>10} {'new/base':>9}")
    for key in figures["new"]:
        base = statistics.median(figures["base"][key])
        new = statistics.median(figures["new"][key])
        ratio = f"{new / base:9.3f}" if base else "        -"
        print(f"{key:28} {base:10.3f} {new:10.3f} {ratio}")


if __name__ == "__main__":
    main()
