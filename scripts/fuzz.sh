#!/usr/bin/env bash
# Builds the event fuzzer (clang, libFuzzer, ASan, UBSan) in build/fuzz and
# feeds the game arbitrary event sequences for the given number of seconds
# (default 45). Fails when the fuzzer finds a crash, a leak or undefined
# behaviour; the input that did it is left in build/fuzz/artifacts/ and should
# be kept in fuzz/regressions/, where the normal test build replays it.
# Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-45}"
build=build/fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKORVANTA_FUZZ=ON -DKORVANTA_SANITIZE=ON -DKORVANTA_TESTS=OFF -DKORVANTA_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target korvanta_event_fuzzer

# The generated assets: those of the test build when it has made them,
# otherwise this build's own.
if [[ -f build/test/assets/.generated ]]; then
    assets="$PWD/build/test/assets"
else
    cmake --build "$build" -j"$(nproc)" --target assets
    assets="$PWD/$build/assets"
fi

corpus="$PWD/$build/corpus"
artifacts="$PWD/$build/artifacts"
mkdir -p "$corpus" "$artifacts"
echo "Fuzzing the game's event handling for ${seconds} s" >&2
status=0
KORVANTA_FUZZ_ASSETS="$assets" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
    "$build/korvanta_event_fuzzer" -max_total_time="$seconds" -timeout=60 \
    -artifact_prefix="$artifacts/" -print_final_stats=1 \
    "$corpus" "$PWD/fuzz/seeds" "$PWD/fuzz/regressions" || status=$?
if [[ $status -ne 0 ]]; then
    echo "The fuzzer found a failure (status $status); inputs in $artifacts:" >&2
    ls -1 "$artifacts" >&2 || true
    echo "Keep the input in fuzz/regressions/ so the test suite replays it." >&2
fi
exit "$status"
