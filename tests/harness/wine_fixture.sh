#!/usr/bin/env bash
# Gives one test run its own virtual display and Wine prefix, and takes both down again.
#   wine_fixture.sh start STATE_DIR   starts Xvfb on a free display, creates STATE_DIR/prefix and
#                                     writes STATE_DIR/environment for the run's programs
#   wine_fixture.sh stop STATE_DIR    ends that prefix's wineserver and that Xvfb (by process id)
#                                     and turns the run's .bmp screenshots into .png
set -euo pipefail

action=${1:?start or stop}
state=${2:?state folder}
environment=$state/environment
screenshots=${HUSHCLOAK_SCREENSHOT_DIR:-$(dirname "$state")/screenshots}

load_environment() {
    local key value
    while IFS='=' read -r key value; do
        export "$key=$value"
    done <"$environment"
}

start_display() {
    local display_file=$state/display
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
    exit 1
}

create_prefix() {
    export DISPLAY=:$display_number
    export WINEPREFIX=$state/prefix
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    mkdir -p "$WINEPREFIX"
    # The server stays up for the whole run, so every test program starts quickly.
    wineserver -p </dev/null >"$state/wine.log" 2>&1
    bash "$(dirname "${BASH_SOURCE[0]}")/wine_prefix.sh" "$WINEPREFIX" >>"$state/wine.log" 2>&1
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
    exit 1
}

write_environment() {
    local windows_screenshots="Z:${screenshots//\//\\}"
    cat >"$environment" <<END
DISPLAY=$DISPLAY
WINEPREFIX=$WINEPREFIX
WINEDEBUG=$WINEDEBUG
WINEDLLOVERRIDES=$WINEDLLOVERRIDES
HUSHCLOAK_XVFB_PID=$xvfb_pid
HUSHCLOAK_APPDATA_DIR=$(appdata_folder)
HUSHCLOAK_SCREENSHOT_DIR=$screenshots
HUSHCLOAK_SCREENSHOT_DIR_WINDOWS=$windows_screenshots
END
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

convert_screenshots() {
    local picture
    for picture in "$screenshots"/*.bmp; do
        [ -e "$picture" ] || continue
        convert "$picture" "${picture%.bmp}.png" && rm -f "$picture"
    done
}

stop() {
    [ -f "$environment" ] || return 0
    load_environment
    wineserver -k </dev/null >/dev/null 2>&1 || true
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
    rm -rf "$state"
    mkdir -p "$state" "$screenshots"
    start_display
    # A failed start leaves nothing running behind.
    trap 'WINEPREFIX=$state/prefix wineserver -k >/dev/null 2>&1; stop_process "$xvfb_pid"' EXIT
    create_prefix
    write_environment
    trap - EXIT
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
