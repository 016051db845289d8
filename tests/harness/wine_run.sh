#!/usr/bin/env bash
# Runs a program in a free lane of the test run: a Wine prefix on its own virtual display (see
# wine_fixture.sh), held for this program alone until it ends.
#   wine_run.sh STATE_ROOT PROGRAM [ARGUMENTS...]
# STATE_ROOT holds one folder per lane. PROGRAM is a Windows .exe, or any Linux program (python3
# for the end-to-end tests) that is to see the lane's environment.
set -euo pipefail

root=${1:?state root}
shift
# A lane can stay taken for a moment after its last test, while that test's programs end.
LANE_WAIT_SECONDS=600

lanes=("$root"/lane*/environment)
if [ ! -f "${lanes[0]}" ]; then
    echo "no Wine test environment in $root: the wine_harness_start tests set them up" >&2
    exit 1
fi

# Opens the lock of each lane in turn and keeps the first that no other test holds.
take_free_lane() {
    local environment
    for environment in "${lanes[@]}"; do
        exec {lock}>"$(dirname "$environment")/lock"
        if flock --nonblock "$lock"; then
            lane_environment=$environment
            return 0
        fi
        exec {lock}>&-
    done
    return 1
}

deadline=$((SECONDS + LANE_WAIT_SECONDS))
until take_free_lane; do
    if [ "$SECONDS" -ge "$deadline" ]; then
        echo "no Wine test lane came free in $LANE_WAIT_SECONDS s" >&2
        exit 1
    fi
    sleep 1
done

while IFS='=' read -r key value; do
    export "$key=$value"
done <"$lane_environment"

# A GoogleTest report already there is from a first run that failed: the summary names its cases.
gtest_report=${GTEST_OUTPUT:-}
gtest_report=${gtest_report#xml:Z:}
if [ "$gtest_report" != "${GTEST_OUTPUT:-}" ] && [ -f "$gtest_report" ]; then
    mv -f "$gtest_report" "${gtest_report%.xml}.first.xml"
fi

run() {
    case $1 in
    *.exe) exec wine "$@" ;;
    *) exec "$@" ;;
    esac
}

# The lane's lock stays with this script: the programs the test starts do not inherit it, so a
# straggler cannot keep the lane from the next test. A stop asked of this script is passed on.
run "$@" {lock}>&- <&0 &
program=$!
trap 'kill -TERM "$program" 2>/dev/null || true' TERM INT HUP
status=0
wait "$program" || status=$?
# A stop ends the wait early; the program's own exit code comes when it has ended.
while kill -0 "$program" 2>/dev/null; do
    status=0
    wait "$program" || status=$?
done
exit "$status"
