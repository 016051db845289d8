#!/usr/bin/env bash
# Sets up the machine if needed, builds the 64-bit program and starts Hushcloak under Wine: on
# $DISPLAY, or on a private virtual display when there is none. A screenshot of the screen is
# saved after start-up. Hushcloak keeps its data in its own Wine prefix, build/run/prefix, so it
# survives between runs and never touches ~/.wine.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
root=${HUSHCLOAK_BUILD_ROOT:-$repo/build}
build=$root/win64
run=$root/run
screenshot=$run/screenshot.png
startup_seconds=${HUSHCLOAK_STARTUP_SECONDS:-20}

bash "$repo/scripts/setup.sh"
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" -j "${HUSHCLOAK_JOBS:-2}" --target hushcloak probe
mkdir -p "$run"

xvfb_pid=
hushcloak_pid=
finish() {
    if [ -n "$hushcloak_pid" ]; then
        kill "$hushcloak_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        WINEPREFIX=$run/prefix wineserver -k 2>/dev/null || true
        kill "$xvfb_pid" 2>/dev/null || true
    fi
}
trap finish EXIT
trap 'exit 130' INT TERM

if [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display number itself and writes it to descriptor 3.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$run/display" \
        </dev/null >"$run/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$run/display" ] && break
        sleep 0.1
    done
    export DISPLAY=:$(tr -dc '0-9' <"$run/display")
    echo "No display given: Hushcloak runs on the private virtual display $DISPLAY"
fi

export WINEPREFIX=$run/prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX"
    bash "$repo/tests/harness/wine_prefix.sh" "$WINEPREFIX" >"$run/wine.log" 2>&1
fi

wine "$build/src/hushcloak.exe" &
hushcloak_pid=$!

# Start-up is over when the main window appears, or after a while when it starts in the tray.
for _ in $(seq "$startup_seconds"); do
    kill -0 "$hushcloak_pid" 2>/dev/null || break
    if wine "$build/tests/harness/probe.exe" list 2>/dev/null |
        grep -q $'\t1\t.*\tHushcloak$'; then
        sleep 2 # lets it finish painting
        break
    fi
    sleep 1
done
if import -display "$DISPLAY" -window root "$screenshot" 2>/dev/null; then
    echo "Screenshot after start-up: $screenshot"
else
    echo "No screenshot could be taken of $DISPLAY"
fi

if [ -n "$xvfb_pid" ] && [ ! -t 0 ]; then
    echo "Nobody can use a private display without a terminal: stopping Hushcloak"
    exit 0
fi
if [ -n "$xvfb_pid" ]; then
    echo "Press Ctrl+C to stop Hushcloak"
fi
set +e
wait "$hushcloak_pid"
code=$?
hushcloak_pid=
echo "Hushcloak ended with exit code $code"
exit "$code"
