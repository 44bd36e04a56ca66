#!/usr/bin/env bash
# Flies the fixture autopilot (tools/fixtures, acting only through key and
# mouse events, as a person: a quarter second late and about 60 pixels off)
# through every level of the campaign at each difficulty, the same SEEDS
# flights (20 unless given) for each, two at a time, and prints one line a
# level and difficulty:
#   level 2 Ember Reach, normal: reached the boss R/N, won W/N
# The first level starts from the menu's Play with a new game's ship; each
# later level with the ship the autopilot carried out of the level before at
# that difficulty: the median of its won flights (health, shield, money,
# cannon upgrades, rapid fires), or the ship it began that level with when it
# won none. The flights are seeded by the clocks 500000, 510000, ... LEVELS
# ("1 2 3" unless given in the variable) picks levels. The figures and the
# time it takes are in bench/README.md. KORVANTA_BALANCE_LOG keeps the line
# of every flight; a level and difficulty it already holds all the flights of
# are not flown again (to measure a changed level, delete its lines).
set -euo pipefail
cd "$(dirname "$0")/.."
seeds=${1:-20}
if ! [[ $seeds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: bench/balance.sh [SEEDS]" >&2
    exit 2
fi
levels=${LEVELS:-1 2 3}
scripts/ensure-packages.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j2 --target korvanta_balance >/dev/null
tool=build/release/tools/fixtures/korvanta_balance
log=${KORVANTA_BALANCE_LOG:-$(mktemp)}
touch "$log"

# The median of each of the ship's columns over the won flights of one
# level and difficulty, as the tool's --ship takes it; empty for none won.
carried() {
    local won
    won=$(awk -v skill="$1" -v level="$2" '$1 == skill && $2 == level && $5 == "won" { print $9, $10, $11, $12, $13 }' "$log")
    [[ -n $won ]] || return 0
    for column in 1 2 3 4 5; do
        cut -d' ' -f"$column" <<<"$won" | sort -n | awk '{ v[NR] = $1 } END { printf "%d", v[int((NR + 1) / 2)] }'
        [[ $column == 5 ]] || printf ','
    done
    echo
}

for skill in easy normal hard; do
    ship=100,100,0,0,0
    for level in $levels; do
        for ((i = 0; i < seeds; ++i)); do
            clock=$((500000 + 10000 * i))
            grep -q "^$skill $level $clock " "$log" || echo "$skill $level $clock"
        done | xargs -r -P 2 -n 3 "$tool" --ship "$ship" >>"$log"
        won=$(carried "$skill" "$level")
        ship=${won:-$ship}
    done
done
for level in $levels; do
    name=$(sed -n 's/^name[[:blank:]]*//p' "dist/levels/level$level.level" | head -n1)
    for skill in easy normal hard; do
        awk -v skill="$skill" -v level="$level" -v name="$name" \
            '$1 == skill && $2 == level { n++; boss += $4 == "boss"; won += $5 == "won" }
            END { printf "level %s %s, %s: reached the boss %d/%d, won %d/%d\n", level, name, skill, boss, n, won, n }' "$log"
    done
done
[[ -n ${KORVANTA_BALANCE_LOG:-} ]] || rm -f "$log"
