#!/usr/bin/env bash
# The test command: sets up the machine if needed, builds the native, win64, win32 and fuzz
# builds, runs every test (native under sanitizers, win64 under Wine, the fuzz targets for their
# budget) and ends with the line "N passed, N failed". Exit code non-zero when anything failed.
# HUSHCLOAK_BUILD_ROOT chooses the build folder (default: build/ in the work tree).
set -uo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
root=${HUSHCLOAK_BUILD_ROOT:-$repo/build}
jobs=${HUSHCLOAK_JOBS:-2}
cd "$repo" || exit 1

failed_steps=()
runs=()

heading() { printf '\n==== %s\n' "$*"; }

step() {
    local name=$1 started_step=$SECONDS
    shift
    heading "$name"
    if ! "$@"; then
        failed_steps+=("$name")
        echo "$name failed after $((SECONDS - started_step)) s"
        return 1
    fi
    echo "$name took $((SECONDS - started_step)) s"
}

build() {
    local preset=$1
    cmake --preset "$preset" -B "$root/$preset" && cmake --build "$root/$preset" -j "$jobs"
}

# Runs one build's ctest tests; the summary counts them from the reports in test-results/.
# Further ctest options (a retry) may follow the preset and the parallel level.
run_tests() {
    local preset=$1 parallel=$2
    shift 2
    local results=$root/$preset/test-results
    rm -rf "$results"
    mkdir -p "$results"
    local started_tests=$SECONDS
    heading "$preset tests"
    ctest --test-dir "$root/$preset" --output-on-failure -j "$parallel" "$@" \
        --output-junit "$results/ctest.xml"
    runs+=("$results/ctest.xml:$results")
    echo "$preset tests took $((SECONDS - started_tests)) s"
}

summarise() {
    local arguments=() step_name
    for step_name in "${failed_steps[@]}"; do
        arguments+=(--failed "$step_name")
    done
    heading "summary"
    python3 "$repo/scripts/summarise_tests.py" "${arguments[@]}" "${runs[@]}"
}

if ! step "set-up" bash "$repo/scripts/setup.sh"; then
    summarise
    exit 1
fi

if step "native build" build native; then
    run_tests native "$jobs"
fi
if step "fuzz build" build fuzz; then
    run_tests fuzz "$jobs"
fi
if step "win64 build" build win64; then
    # As many tests at once as the build has Wine lanes for them.
    lanes=$(sed -n 's/^HUSHCLOAK_WINE_LANES:STRING=//p' "$root/win64/CMakeCache.txt")
    # A program under Wine on a busy machine can lose a key press or a focus change now and
    # then; a test that fails twice in a row is a fault, and its first failure stays in the output.
    run_tests win64 "${lanes:-1}" --repeat until-pass:2
fi
step "win32 build" build win32

heading "everything took $SECONDS s"
summarise
