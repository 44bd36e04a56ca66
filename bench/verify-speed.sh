#!/usr/bin/env bash
# Times `korvanta --verify` on the recorded runs in tests/replays and holds it
# to 1/50 of the play time it checks (3.6 s for a three-minute level). The
# best of three runs counts; the verification itself must say "in sync".
# Usage: bench/verify-speed.sh <korvanta binary>
set -euo pipefail
cd "$(dirname "$0")/.."
game="$(realpath "${1:-build/release/korvanta}")"
status=0
printf '| %-22s | %9s | %12s | %10s | %6s |\n' replay "play (s)" "verify (s)" "share" target
printf '|%s|%s|%s|%s|%s|\n' ------------------------ ----------- -------------- ------------ --------
for replay in tests/replays/*.krp; do
    best=""
    for _ in 1 2 3; do
        start=$(date +%s.%N)
        line=$("$game" --verify "$replay" || true)
        took=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
        best=$(awk -v t="$took" -v b="${best:-$took}" 'BEGIN { print (t < b ? t : b) }')
    done
    [[ "$line" == *"in sync" ]] || { echo "$replay: $line" >&2; status=1; }
    play=$(sed -E 's/.* ([0-9.]+) s of play.*/\1/' <<<"$line")
    verdict=$(awk -v t="$best" -v p="$play" 'BEGIN { print (t * 50 <= p ? "met" : "MISSED") }')
    [[ "$verdict" == met ]] || status=2
    printf '| %-22s | %9.1f | %12.3f | 1/%-8.0f | %6s |\n' "$(basename "$replay")" "$play" "$best" \
        "$(awk -v t="$best" -v p="$play" 'BEGIN { print p / t }')" "$verdict"
done
exit "$status"
