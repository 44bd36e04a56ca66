#!/usr/bin/env bash
# The game in a real window under Xvfb: how soon the first menu frame is up,
# how much of one core the menu takes with the 60 fps cap at scale 1 and at
# scale 2 (and, given an earlier build, what it took there at scale 1), and
# the first seconds of the level; each over 10 seconds.
# Usage: bench/window-cpu.sh [path/to/korvanta [path/to/an/earlier/korvanta]]
#        (default build/release/korvanta)
set -euo pipefail
cd "$(dirname "$0")/.."
game=${1:-build/release/korvanta}
before=${2:-}
[[ -x "$game" ]] || { echo "window-cpu: no game at $game (run ./play or build it first)" >&2; exit 1; }
[[ -z "$before" || -x "$before" ]] || { echo "window-cpu: no earlier game at $before" >&2; exit 1; }
# Settings of its own: the window's scale is chosen here, not by the player.
home=$(mktemp -d)
export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
mkdir -p "$XDG_CONFIG_HOME/korvanta"
scale() { printf 'scale = %s\n' "$1" >"$XDG_CONFIG_HOME/korvanta/settings.ini"; }
scale 1
fail() { echo "window-cpu: $*" >&2; exit 1; }
source tests/smoke/x-session.sh
# The screen takes a window at scale 2.
xvfb=""
trap '[[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null; rm -rf "$home"' EXIT
start_xvfb 2560x1440
# A desktop has a sound device: mix the music and effects as it would.
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

# Start-up to the first frame: the game draws one menu frame and ends, so
# the whole run bounds the time to the first frame from above.
best=999999
for _ in 1 2 3 4 5; do
    start=$(date +%s%N)
    "$game" --frames 1 >/dev/null || { echo "window-cpu: the game failed to start" >&2; exit 1; }
    took=$(( ($(date +%s%N) - start) / 1000000 ))
    if (( took < best )); then best=$took; fi
done
echo "first menu frame (start, one frame, exit; best of 5): ${best} ms"

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
share_over_10s() {
    local a b
    a=$(cpu_ticks "$1"); sleep 10; b=$(cpu_ticks "$1")
    echo "scale=1; ($b - $a) * 100 / $(getconf CLK_TCK) / 10" | bc
}

log="$home/log"
# Starts `$1` and waits for its window: pid and win.
launch() {
    "$1" >/dev/null 2>"$log" &
    pid=$!
    win=""
    for _ in $(seq 1 100); do
        win=$(xdotool search --name '^Dovik Schmup$' 2>/dev/null | head -n1 || true)
        [[ -n "$win" ]] && break
        sleep 0.1
    done
    [[ -n "$win" ]] || { echo "window-cpu: the game window did not appear" >&2; cat "$log" >&2; exit 1; }
    sleep 1
}
stop() { kill "$pid"; wait "$pid" 2>/dev/null || true; }

# The menu, twice over in turns, so that a busy moment of a shared machine
# does not fall on one of them alone.
menu_share() {
    scale "$2"
    launch "$1"
    share_over_10s "$pid"
    stop
}
for round in 1 2; do
    if [[ -n "$before" ]]; then
        echo "menu, earlier build, round $round: $(menu_share "$before" 1)% of one core"
    fi
    echo "menu, scale 1, round $round: $(menu_share "$game" 1)% of one core"
    echo "menu, scale 2, round $round: $(menu_share "$game" 2)% of one core"
done

scale 1
launch "$game"
# Two moves, so the game sees motion even if the pointer was already there.
xdotool mousemove --window "$win" 300 300
sleep 0.2
xdotool mousemove --window "$win" 341 446
sleep 0.3
xdotool mousedown 1; sleep 0.15; xdotool mouseup 1
sleep 0.5
echo "level start: $(share_over_10s "$pid")% of one core"
import -window root -crop 1024x600+0+0 "${TMPDIR:-/tmp}/korvanta-level-start.png" 2>/dev/null || true
stop
