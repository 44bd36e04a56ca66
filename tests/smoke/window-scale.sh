#!/usr/bin/env bash
# The scaled window and full screen in real X windows, each on a virtual X
# server of its own: on a 2560 x 1440 screen `scale = 2` opens a 2048 x 1200
# window whose Info button opens the instructions page where the window
# shows it; on a 1920 x 1080 screen F11 fills the screen, the picture
# between black bars left and right, Play works where it is drawn, and a
# second F11 brings the window back. Screenshots land in the output folder.
# Usage: window-scale.sh <korvanta binary> <screenshot folder>
set -euo pipefail
game="$1"
shots="$2"
mkdir -p "$shots"
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
# The player's own settings, scores and replays stay out of it.
home=$(mktemp -d)
export XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
mkdir -p "$XDG_CONFIG_HOME/korvanta"
xvfb="" pid=""
cleanup() {
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
    [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null
    rm -rf "$home"
}
trap cleanup EXIT
fail() { echo "window scale test: $*" >&2; exit 1; }

source "$(dirname "$0")/x-session.sh"
# An X server with a screen of $1 (WxH) and a white root window, so that
# any part of the screen the game leaves uncovered shows.
start_x() {
    [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null || true
    start_xvfb "$1" -wr
}
stop_game() {
    kill -TERM "$pid"
    local status=0
    wait "$pid" || status=$?
    pid=""
    [[ $status -eq 0 ]] || fail "the game ended with status $status"
}
geometry() { xdotool getwindowgeometry "$win" | awk '/Geometry/ {print $2}'; }
sized() { [[ "$(geometry)" == "$1" ]]; }
saved() { grep -qx "$1" "$XDG_CONFIG_HOME/korvanta/settings.ini" 2>/dev/null; }
shot() { import -window root "$shots/$1.png"; }
# Held as a player holds them: press and release in one frame cancel.
click_root() {
    xdotool mousemove "$1" "$2"
    sleep 0.3
    xdotool mousedown 1; sleep 0.3; xdotool mouseup 1
}
tap_key() { xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"; }
# The brightest channel value in an area (WxH+X+Y) of a screenshot, 0..255.
brightest() { /usr/bin/convert "$shots/$1.png" -crop "$2" +repage -depth 8 -format '%[fx:int(255*maxima)]' info:; }
# How many pixels of an area differ between two screenshots.
changed() {
    /usr/bin/convert "$shots/$1.png" -crop "$3" +repage "$home/a.png"
    /usr/bin/convert "$shots/$2.png" -crop "$3" +repage "$home/b.png"
    /usr/bin/compare -metric AE "$home/a.png" "$home/b.png" null: 2>&1 | awk '{printf "%d", $1}' || true
}
# Takes screenshot $2 until more than $4 pixels of area $3 differ from $1.
changes() {
    shot "$2"
    moved=$(changed "$1" "$2" "$3")
    ((moved > $4))
}

# --- scale 2 on a 2560 x 1440 desktop -----------------------------------
start_x 2560x1440
printf 'scale = 2\n' >"$XDG_CONFIG_HOME/korvanta/settings.ini"
start_game "$game"
within 15 sized 2048x1200 || fail "scale 2 opened a $(geometry) window, not 2048x1200"
xdotool windowmove "$win" 0 0
sleep 1
shot scale2-menu
# Info is drawn around game point (512, 446): (1024, 892) in the window.
click_root 1025 893
within 15 changes scale2-menu scale2-instructions 600x200+724+780 5000 ||
    fail "Info clicked where the window shows it did not open the instructions ($moved pixels changed)"
stop_game

# --- F11 on a 1920 x 1080 desktop ----------------------------------------
start_x 1920x1080
rm -f "$XDG_CONFIG_HOME/korvanta/settings.ini"
start_game "$game"
within 15 sized 1024x600 || fail "auto scale opened a $(geometry) window on 1920x1080, not 1024x600"
sleep 1
tap_key F11
within 15 saved 'fullscreen = on' || fail "F11 did not save full screen"
# Where a window manager would put a full-screen window (SDL2 leaves that to
# it; classic SDL 1.2 covers the screen with a window of its own).
xdotool windowmove "$win" 0 0
# Until the screen shows the picture between its bars, then each part apart.
framed() {
    shot fullscreen-menu
    [[ $(brightest fullscreen-menu 38x1080+0+0) -eq 0 && $(brightest fullscreen-menu 1843x1080+38+0) -gt 100 ]]
}
within 15 framed || true
# The picture is 1843 x 1080 at x = 38: bars of 38 and 39 pixels.
[[ $(brightest fullscreen-menu 38x1080+0+0) -eq 0 ]] || fail "the left bar is not black"
[[ $(brightest fullscreen-menu 39x1080+1881+0) -eq 0 ]] || fail "the right bar is not black"
[[ $(brightest fullscreen-menu 1843x1080+38+0) -gt 100 ]] || fail "no picture between the bars"
# Play is drawn around game point (341, 446): (652, 803) on the screen.
click_root 652 803
within 15 changes fullscreen-menu fullscreen-level 1843x1080+38+0 100000 ||
    fail "Play clicked where the screen shows it did not start the level ($moved pixels changed)"
tap_key F11
within 15 saved 'fullscreen = off' || fail "F11 did not save the window"
within 15 sized 1024x600 || fail "a second F11 left a $(geometry) window, not 1024x600"
shot fullscreen-back-to-window
stop_game
echo "window scale test passed; screenshots in $shots"
