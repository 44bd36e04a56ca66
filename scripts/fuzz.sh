#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan, UBSan) in build/fuzz and runs
# them for the given number of seconds in all (default 45): the event fuzzer
# over the whole game for most of it, then the replay reader, the score and
# settings parsers and the level reader for a ninth each. Fails when a fuzzer finds a crash, a
# leak or undefined behaviour; the input that did it is left in
# build/fuzz/artifacts/ and should be kept in fuzz/regressions/ (event inputs),
# where the normal test build replays it.
# Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-45}"
build=build/fuzz

CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKORVANTA_FUZZ=ON -DKORVANTA_SANITIZE=ON -DKORVANTA_TESTS=OFF -DKORVANTA_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target korvanta_event_fuzzer korvanta_replay_fuzzer korvanta_savefile_fuzzer \
    korvanta_level_fuzzer

# The generated assets: those of the test build when it has made them,
# otherwise this build's own.
if [[ -f build/test/assets/.generated ]]; then
    assets="$PWD/build/test/assets"
else
    cmake --build "$build" -j"$(nproc)" --target assets
    assets="$PWD/$build/assets"
fi

artifacts="$PWD/$build/artifacts"
mkdir -p "$artifacts"
status=0
# fuzz <target> <seconds> <seed folders...>: new inputs go to build/fuzz/corpus-<target>.
fuzz() {
    local target="$1" time="$2"
    shift 2
    local corpus="$PWD/$build/corpus-$target"
    mkdir -p "$corpus"
    echo "Fuzzing $target for ${time} s" >&2
    KORVANTA_FUZZ_ASSETS="$assets" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
        "$build/korvanta_${target}_fuzzer" -max_total_time="$time" -timeout=60 \
        -artifact_prefix="$artifacts/$target-" -print_final_stats=1 "$corpus" "$@" || status=$?
}
short=$(( seconds / 9 > 1 ? seconds / 9 : 1 ))
fuzz event $(( seconds - 3 * short )) "$PWD/fuzz/seeds" "$PWD/fuzz/regressions"
fuzz replay "$short" "$PWD/tests/replays"
fuzz savefile "$short" "$PWD/fuzz/savefile-seeds"
fuzz level "$short" "$PWD/dist/levels"
if [[ $status -ne 0 ]]; then
    echo "A fuzzer found a failure (status $status); inputs in $artifacts:" >&2
    ls -1 "$artifacts" >&2 || true
    echo "Keep an event input in fuzz/regressions/ so the test suite replays it." >&2
fi
exit "$status"
