# Shared by the window tests (sourced): a virtual X server of their own and
# the game's window on it. The caller defines fail().

# Starts Xvfb with one 24-bit screen of $1 (WxH), further arguments going to
# Xvfb; sets xvfb (its pid) and DISPLAY. Xvfb picks a free display itself
# and says which, so several servers on one machine never race for one.
start_xvfb() {
    local size=$1 displayfile
    shift
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -noreset "$@" -screen 0 "${size}x24" 3>"$displayfile" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 1 50); do
        [[ -s "$displayfile" ]] && break
        sleep 0.1
    done
    export DISPLAY=:$(head -n1 "$displayfile")
    rm -f "$displayfile"
    for _ in $(seq 1 50); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "Xvfb did not start with a $size screen"
}

# Starts the command (the game) and waits for its window; sets pid and win.
start_game() {
    "$@" &
    pid=$!
    win=""
    for _ in $(seq 1 100); do
        win=$(xdotool search --name '^Dovik Schmup$' 2>/dev/null | head -n1 || true)
        [[ -n "$win" ]] && return 0
        kill -0 "$pid" 2>/dev/null || fail "the game ended before its window appeared"
        sleep 0.2
    done
    fail "no window named 'Dovik Schmup'"
}

# Runs the check ($2...) until it holds, for at most $1 seconds. A loaded
# machine (the sanitizers, a parallel build) can take seconds for what a
# player sees at once; a fixed sleep would make the test fail for slowness.
within() {
    local tries=$(($1 * 10))
    shift
    until "$@"; do
        ((--tries > 0)) || return 1
        sleep 0.1
    done
}
