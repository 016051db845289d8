#!/usr/bin/env bash
# Runs a program in the test run's Wine prefix on its virtual display (see wine_fixture.sh).
#   wine_run.sh STATE_DIR PROGRAM [ARGUMENTS...]
# PROGRAM is a Windows .exe, or any Linux program (python3 for the end-to-end tests) that is to
# see the run's environment.
set -euo pipefail

state=${1:?state folder}
shift
if [ ! -f "$state/environment" ]; then
    echo "no Wine test environment in $state: a wine_harness_start test sets it up" >&2
    exit 1
fi
while IFS='=' read -r key value; do
    export "$key=$value"
done <"$state/environment"

case $1 in
*.exe) exec wine "$@" ;;
*) exec "$@" ;;
esac
