#!/usr/bin/env bash
# Flies the fixture autopilot (tools/fixtures, acting only through key and
# mouse events) through the same SEEDS levels (20 unless given) at each
# difficulty, two levels at a time, and prints one line a difficulty:
#   easy: reached the boss R/N, won W/N
# The levels are seeded by the clocks 500000, 510000, ... The figures and the
# time it takes are in bench/README.md. KORVANTA_BALANCE_LOG keeps the line of
# every level.
set -euo pipefail
cd "$(dirname "$0")/.."
seeds=${1:-20}
if ! [[ $seeds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: bench/balance.sh [SEEDS]" >&2
    exit 2
fi
scripts/ensure-packages.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j2 --target korvanta_balance >/dev/null
tool=build/release/tools/fixtures/korvanta_balance
log=${KORVANTA_BALANCE_LOG:-$(mktemp)}
for skill in easy normal hard; do
    for ((i = 0; i < seeds; ++i)); do
        echo "$skill $((500000 + 10000 * i))"
    done
done | xargs -P 2 -n 2 "$tool" >"$log"
for skill in easy normal hard; do
    awk -v skill="$skill" '$1 == skill { n++; boss += $3 == "boss"; won += $4 == "won" }
        END { printf "%s: reached the boss %d/%d, won %d/%d\n", skill, boss, n, won, n }' "$log"
done
[[ -n ${KORVANTA_BALANCE_LOG:-} ]] || rm -f "$log"
