#!/usr/bin/env bash
# ./play, run beside stand-ins for cmake, the package check and the game:
# every build it asks for is of the game (which brings its data), never the
# tools, benchmarks or tests, and it then starts the game with the player's
# arguments.
# Usage: play-check.sh SOURCE_DIR
set -euo pipefail
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/scripts" "$work/bin" "$work/build/release"
cp "$1/play" "$work/play"
stand_in() { printf '#!/bin/sh\n%s\n' "$2" >"$1" && chmod +x "$1"; }
stand_in "$work/scripts/ensure-packages.sh" 'exit 0'
stand_in "$work/bin/cmake" "echo \"cmake \$*\" >>'$work/log'"
stand_in "$work/build/release/korvanta" "echo \"korvanta \$*\" >>'$work/log'"

PATH="$work/bin:$PATH" "$work/play" --mute >/dev/null
status=0
builds="$(grep -c '^cmake --build' "$work/log")" || true
[[ $builds -ge 1 ]] || { echo "FAIL: ./play built nothing" >&2; status=1; }
if grep '^cmake --build' "$work/log" | grep -qv -- '--target korvanta\( \|$\)'; then
    echo "FAIL: ./play builds more than the game:" >&2
    grep '^cmake --build' "$work/log" >&2
    status=1
fi
grep -qx 'korvanta --mute' "$work/log" || { echo "FAIL: ./play did not start the game" >&2; status=1; }
exit "$status"
