#!/usr/bin/env bash
# Gives one test run its own virtual display and Wine prefix, and takes both down again.
#   wine_fixture.sh start STATE_DIR [DPI]
#                                     starts Xvfb on a free display, creates STATE_DIR/prefix
#                                     (its screen at DPI dots per inch, 96 unless given) and
#                                     writes STATE_DIR/environment for the run's programs
#   wine_fixture.sh stop STATE_DIR    ends that prefix's wineserver and that Xvfb (by process id)
#                                     and turns the run's .bmp screenshots into .png
set -euo pipefail

action=${1:?start or stop}
state=${2:?state folder}
dpi=${3:-96}
# Wine and the programs run from other folders, so every path handed on must be absolute.
state=$(realpath -m -- "$state")
environment=$state/environment
screenshots=$(realpath -m -- "${HUSHCLOAK_SCREENSHOT_DIR:-$(dirname "$state")/screenshots}")
xvfb_pid=

load_environment() {
    local key value
    while IFS='=' read -r key value; do
        export "$key=$value"
    done <"$environment"
}

start_display() {
    local display_file=$state/display
    # The file exists before Xvfb opens it, so the loop below can read it at once.
    : >"$display_file"
    # Xvfb picks a free display number itself and writes it to descriptor 3.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
        3>"$display_file" </dev/null >"$state/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local tries
    for tries in $(seq 100); do
        display_number=$(tr -dc '0-9' <"$display_file")
        [ -n "$display_number" ] && return
        is_running "$xvfb_pid" || break
        sleep 0.1
    done
    echo "Xvfb did not start:" >&2
    cat "$state/xvfb.log" >&2
    return 1
}

create_prefix() {
    export DISPLAY=:$display_number
    export WINEPREFIX=$state/prefix
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    mkdir -p "$WINEPREFIX"
    # The server stays up for the whole run, so every test program starts quickly.
    if ! wineserver -p </dev/null >"$state/wine.log" 2>&1 ||
        ! bash "$(dirname "${BASH_SOURCE[0]}")/wine_prefix.sh" "$WINEPREFIX" "$dpi" \
            >>"$state/wine.log" 2>&1; then
        echo "the Wine prefix was not created:" >&2
        cat "$state/wine.log" >&2
        return 1
    fi
}

appdata_folder() {
    local user_folder
    for user_folder in "$WINEPREFIX"/drive_c/users/*; do
        if [ "$(basename "$user_folder")" != Public ] && [ -d "$user_folder/AppData/Roaming" ]; then
            echo "$user_folder/AppData/Roaming"
            return
        fi
    done
    echo "no AppData folder in $WINEPREFIX" >&2
    return 1
}

write_environment() {
    local windows_screenshots="Z:${screenshots//\//\\}" appdata
    appdata=$(appdata_folder) || return 1
    # Written under another name first, so that no half-written environment is ever used.
    cat >"$environment.new" <<END
DISPLAY=$DISPLAY
WINEPREFIX=$WINEPREFIX
WINEDEBUG=$WINEDEBUG
WINEDLLOVERRIDES=$WINEDLLOVERRIDES
HUSHCLOAK_XVFB_PID=$xvfb_pid
HUSHCLOAK_APPDATA_DIR=$appdata
HUSHCLOAK_SCREENSHOT_DIR=$screenshots
HUSHCLOAK_SCREENSHOT_DIR_WINDOWS=$windows_screenshots
END
    mv "$environment.new" "$environment"
}

# A process that has ended but was not yet reaped by its parent counts as gone.
is_running() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [ "${stat:0:1}" != Z ]
}

stop_process() {
    local pid=$1 tries
    kill "$pid" 2>/dev/null || return 0
    for tries in $(seq 50); do
        is_running "$pid" || return 0
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
}

# Waits for the server to end, so that no process of the run outlives the fixture.
end_wineserver() {
    [ -d "$1" ] || return 0
    WINEPREFIX=$1 timeout 30 wineserver -k </dev/null >/dev/null 2>&1 || true
    WINEPREFIX=$1 timeout 30 wineserver -w </dev/null >/dev/null 2>&1 || true
}

# Runs on any way out of a start that did not finish, including an error under set -e.
abandon_start() {
    local code=$?
    trap - EXIT
    [ "$code" -eq 0 ] && return
    end_wineserver "$state/prefix"
    if [ -n "$xvfb_pid" ]; then
        stop_process "$xvfb_pid"
    fi
    echo "the Wine test environment was not set up (exit code $code)" >&2
    exit "$code"
}

# Every lane of the run shares the screenshot folder, so a lane takes a picture for itself by
# renaming it before converting it; one that another lane took is left to that lane.
convert_screenshots() {
    local picture taken
    for picture in "$screenshots"/*.bmp; do
        taken=$picture.$$
        mv "$picture" "$taken" 2>/dev/null || continue
        if convert "bmp:$taken" "${picture%.bmp}.png"; then
            rm -f "$taken"
        else
            mv "$taken" "$picture"
        fi
    done
}

stop() {
    [ -f "$environment" ] || return 0
    load_environment
    end_wineserver "$WINEPREFIX"
    # The number may be stale after an interrupted run: end it only while it is still our Xvfb.
    if [ "$(cat "/proc/$HUSHCLOAK_XVFB_PID/comm" 2>/dev/null)" = Xvfb ]; then
        stop_process "$HUSHCLOAK_XVFB_PID"
    fi
    rm -f "$environment"
    convert_screenshots
}

case $action in
start)
    # Leftovers of an interrupted run go first.
    stop
    # A failed start leaves nothing running behind.
    trap abandon_start EXIT
    trap 'exit 130' INT TERM HUP
    rm -rf "$state"
    mkdir -p "$state" "$screenshots"
    start_display
    create_prefix
    write_environment
    trap - EXIT INT TERM HUP
    echo "Wine prefix $WINEPREFIX on display $DISPLAY"
    ;;
stop)
    stop
    ;;
*)
    echo "usage: $0 start|stop STATE_DIR" >&2
    exit 2
    ;;
esac
