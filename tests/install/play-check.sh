#!/usr/bin/env bash
# ./play beside stand-ins for cmake, the package check and the game: every
# build it asks for is the game's (which brings its data), not the tools',
# benchmarks' or tests', and then it starts the game with the arguments.
# Usage: play-check.sh SOURCE_DIR
set -euo pipefail
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/scripts" "$work/bin" "$work/build/release"
cp "$1/play" "$work/play"
for stand_in in scripts/ensure-packages.sh bin/cmake build/release/korvanta; do
    printf '#!/bin/sh\necho "${0##*/} $*" >>"%s/log"\n' "$work" >"$work/$stand_in"
    chmod +x "$work/$stand_in"
done
PATH="$work/bin:$PATH" "$work/play" --mute
builds="$(grep '^cmake --build' "$work/log")" || true
if [[ -z "$builds" ]] || grep -qv -- '--target korvanta$' <<<"$builds" || ! grep -qx 'korvanta --mute' "$work/log"; then
    echo "FAIL: ./play should build only the game, then start it; it ran:" >&2
    cat "$work/log" >&2
    exit 1
fi
