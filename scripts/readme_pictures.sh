#!/usr/bin/env bash
# Takes the README's pictures (docs/pictures/*.png) from this build's real program under Wine,
# on a virtual display of their own. Builds the win64 preset first when needed.
#   scripts/readme_pictures.sh
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$repo/build/win64
lanes=$build/pictures
cd "$repo"
if [ ! -f "$build/src/hushcloak.exe" ]; then
    cmake --preset win64 -B "$build"
    cmake --build "$build" -j"${HUSHCLOAK_JOBS:-2}" --target hushcloak peer probe
fi

stop() { bash tests/harness/wine_fixture.sh stop "$lanes/lane1"; }
trap stop EXIT
HUSHCLOAK_SCREENSHOT_DIR=$lanes/screenshots bash tests/harness/wine_fixture.sh start "$lanes/lane1"
HUSHCLOAK_EXE=$build/src/hushcloak.exe HUSHCLOAK_PEER=$build/tests/harness/peer.exe \
    HUSHCLOAK_PROBE=$build/tests/harness/probe.exe \
    bash tests/harness/wine_run.sh "$lanes" python3 scripts/readme_pictures.py docs/pictures
