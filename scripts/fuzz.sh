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
# fuzz <target> <seconds> <memory limits> <seed folders...>: new inputs go to
# build/fuzz/corpus-<target>.
fuzz() {
    local target="$1" time="$2" limits="$3"
    shift 3
    local corpus="$PWD/$build/corpus-$target"
    mkdir -p "$corpus"
    echo "Fuzzing $target for ${time} s" >&2
    KORVANTA_FUZZ_ASSETS="$assets" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
        "$build/korvanta_${target}_fuzzer" -max_total_time="$time" -timeout=60 $limits \
        -artifact_prefix="$artifacts/$target-" -print_final_stats=1 "$corpus" "$@" || status=$?
}
short=$(( seconds / 9 > 1 ? seconds / 9 : 1 ))
# The readers of kept files get inputs of up to 1 MiB and may take no more
# than a few times that at once: a file never costs much more memory than
# its size. The whole game gets room for its pictures and sounds.
readers="-max_len=1048576 -malloc_limit_mb=16 -rss_limit_mb=1024"
fuzz event $(( seconds - 3 * short )) "-malloc_limit_mb=256 -rss_limit_mb=2048" "$PWD/fuzz/seeds" "$PWD/fuzz/regressions"
fuzz replay "$short" "$readers" "$PWD/tests/replays"
fuzz savefile "$short" "$readers" "$PWD/fuzz/savefile-seeds"
fuzz level "$short" "$readers" "$PWD/dist/levels"
if [[ $status -ne 0 ]]; then
    echo "A fuzzer found a failure (status $status); inputs in $artifacts:" >&2
    ls -1 "$artifacts" >&2 || true
    echo "Keep an event input in fuzz/regressions/ so the test suite replays it." >&2
fi
exit "$status"
