#!/usr/bin/env bash
# Times what a practice start and a take-over add to a level's start: the
# game started at the last mark of the longest level (--start-at) against the
# same level from its beginning, and a three-minute replay taken over at its
# last second (--replay --take-over) against the same replay just shown. Each
# runs one frame on the dummy drivers; the best of five counts, and the
# difference must stay within 0.5 s.
# Usage: bench/practice-start.sh <korvanta binary>
set -euo pipefail
cd "$(dirname "$0")/.."
game="$(realpath "${1:-build/release/korvanta}")"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config"
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0

# The best of five wall times of the game with these arguments, in seconds.
best_of_five() {
    local best=""
    for _ in 1 2 3 4 5; do
        local start took
        start=$(date +%s.%N)
        "$game" "$@" --frames 1 >/dev/null 2>&1 || { echo "korvanta $* failed" >&2; exit 1; }
        took=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
        best=$(awk -v t="$took" -v b="${best:-$took}" 'BEGIN { print (t < b ? t : b) }')
    done
    echo "$best"
}

# The longest level of the campaign and its last mark (the boss), in seconds.
longest=1 last=0
for n in 1 2 3; do
    seconds=$("$game" --check-level "dist/levels/level$n.level" | sed -E 's/.*ok, ([0-9.]+) s/\1/')
    if awk -v s="$seconds" -v l="$last" 'BEGIN { exit !(s > l) }'; then
        longest=$n last=${seconds%.*}
    fi
done
replay=tests/replays/won.krp
end=$("$game" --verify "$replay" | sed -E 's/.* ([0-9]+)\.[0-9] s of play.*/\1/')

status=0
report() {
    local what=$1 plain=$2 started=$3
    local extra verdict
    extra=$(awk -v a="$plain" -v b="$started" 'BEGIN { d = b - a; print (d < 0 ? 0 : d) }')
    verdict=$(awk -v e="$extra" 'BEGIN { print (e <= 0.5 ? "met" : "MISSED") }')
    [[ "$verdict" == met ]] || status=2
    printf '| %-44s | %8.3f | %8.3f | %8.3f | %6s |\n' "$what" "$plain" "$started" "$extra" "$verdict"
}
printf '| %-44s | %8s | %8s | %8s | %6s |\n' start "plain" "with it" "added" "≤ 0.5 s"
printf '|%s|%s|%s|%s|%s|\n' ---------------------------------------------- ---------- ---------- ---------- --------
report "level $longest from its last mark ($last s)" "$(best_of_five --level "$longest")" \
    "$(best_of_five --level "$longest" --start-at "$last")"
# The boss of level 1 again, with a kept run that lends its ship: the run is
# rebuilt unseen up to the mark before the level starts.
boss=$("$game" --check-level dist/levels/level1.level | sed -E 's/.*ok, ([0-9]+)[0-9.]* s/\1/')
mkdir -p "$XDG_DATA_HOME/korvanta/replays"
cp "$replay" "$XDG_DATA_HOME/korvanta/replays/"
echo "8900 1 won 185.2 2026-12-01 10:00:00 $(basename "$replay") normal 1" >"$XDG_DATA_HOME/korvanta/scores.txt"
report "level 1 from $boss s with a kept run's ship" "$(best_of_five --level 1)" \
    "$(best_of_five --level 1 --start-at "$boss")"
report "$(basename "$replay") taken over at $((end - 1)) s" "$(best_of_five --replay "$replay")" \
    "$(best_of_five --replay "$replay" --take-over "$((end - 1))")"
exit "$status"
