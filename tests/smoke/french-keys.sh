#!/usr/bin/env bash
# The keys of play on a French (AZERTY) keyboard, in a real X window on a
# virtual X server of its own with the French layout: the key labelled Q
# (where a US keyboard has A) brakes and must not end the run; the key
# labelled A (where US has Q) self-destructs. Two levels are played and
# checked through the replays the game keeps: the first, with Q held for a
# second, is left by ESC and Exit; the second ends lost after one tap of A.
# Usage: french-keys.sh <korvanta binary> <screenshot folder>
set -euo pipefail
game="$1"
shots="$2"
mkdir -p "$shots"
unset SDL_VIDEODRIVER
source "$(dirname "$0")/x-session.sh"
fail() { echo "french keys test: $*" >&2; [[ -n "${pid:-}" ]] && kill "$pid" 2>/dev/null; exit 1; }
home=$(mktemp -d)
xvfb=""
trap '[[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null; rm -rf "$home"' EXIT
start_xvfb 1280x720
setxkbmap fr
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config"

shot() { import -window root "$shots/$1.png" 2>/dev/null || true; }
# Held as a player holds them, in one xdotool process so that a busy
# machine does not stretch the hold (ESC held past a quarter second in the
# level toggles the pause twice).
hold_key() { xdotool keydown "$1" sleep "$2" keyup "$1"; }
click_at() {
    xdotool mousemove --window "$win" "$1" "$2"
    sleep 0.3
    xdotool mousedown 1 sleep 0.2 mouseup 1
}
# Waits for the game to keep its Nth run (a level is kept when it ends).
kept() {
    for _ in $(seq 1 50); do
        [[ $(ls "$XDG_DATA_HOME"/korvanta/replays/2*.krp 2>/dev/null | wc -l) -ge $1 ]] && return 0
        sleep 0.2
    done
    return 1
}

start_game "$game"
sleep 1
click_at 341 446            # Play
xdotool windowfocus "$win" 2>/dev/null || true
sleep 1.5
hold_key d 0.5
hold_key q 1                # brakes
shot q-held
sleep 0.5
hold_key Escape 0.1         # pause
sleep 0.5
click_at 683 450            # Exit, back to the menu
kept 1 || fail "the first level did not end by ESC and Exit"
sleep 1
click_at 341 446            # Play again
sleep 1.5
hold_key a 0.2              # self-destructs
sleep 1
shot a-tapped
click_at 683 450            # Exit from the game-over overlay
kept 2 || fail "the second level did not end: A did not self-destruct"
sleep 1
hold_key Escape 0.5
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
ended=yes
if kill -0 "$pid" 2>/dev/null; then
    ended=no
    kill "$pid"
fi
status=0
wait "$pid" || status=$?

# What each run came to says what the keys did.
runs=("$XDG_DATA_HOME"/korvanta/replays/2*.krp)
[[ -f "${runs[0]}" ]] || fail "no run was kept"
first=$("$game" --verify "${runs[0]}") || fail "the first run does not verify: $first"
[[ "$first" == *", left, "* ]] || fail "Q ended the first run: $first"
[[ ${#runs[@]} -eq 2 ]] || fail "expected two kept runs, found ${#runs[@]}"
second=$("$game" --verify "${runs[1]}") || fail "the second run does not verify: $second"
[[ "$second" == *", lost, "* ]] || fail "A did not self-destruct: $second"
[[ $ended == yes ]] || fail "ESC in the menu did not end the game"
[[ $status -eq 0 ]] || fail "exit status $status"
echo "french keys test passed; screenshots in $shots"
