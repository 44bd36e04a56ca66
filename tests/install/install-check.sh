#!/usr/bin/env bash
# Installs a build into a temporary DESTDIR and checks the installed tree as
# a desktop would meet it: the game starts from / and finds its data beside
# it (the configured prefix does not exist there), the desktop entry, the
# AppStream metadata and the manual page pass their validators, the icon
# theme has every size, the font's licence lies beside the font and the
# translations are where the game finds them. The
# same build installed under /usr puts the game in /usr/games, as Debian's
# policy has it, with its data found from there and no lintian override.
# Usage: install-check.sh BUILD_DIR BINDIR DATADIR MANDIR DOCDIR
#        (the build's absolute install folders, CMAKE_INSTALL_FULL_*;
#        a prefix other than /usr, as the test build has)
set -euo pipefail
build="$1"
dest="$(mktemp -d)"
trap 'rm -rf "$dest"' EXIT
bin="$dest$2/korvanta" share="$dest$3" man="$dest$4" doc="$dest$5"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

DESTDIR="$dest" cmake --install "$build" >/dev/null
[[ -x "$bin" ]] || { echo "FAIL: no korvanta installed at $bin" >&2; exit 1; }

# Started from / the game must find the installed data on its own.
starts() {
    local status=0
    (cd / && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$1" --frames 5) 2>"$dest/stderr" || status=$?
    [[ $status -eq 0 ]] || fail "$1 exited with $status: $(cat "$dest/stderr")"
    if grep -qi "warning\|error" "$dest/stderr"; then
        fail "$1 complained: $(cat "$dest/stderr")"
    fi
}
starts "$bin"

usr="$dest/under-usr"
DESTDIR="$usr" cmake --install "$build" --prefix /usr >/dev/null
if [[ -x "$usr/usr/games/korvanta" ]]; then
    starts "$usr/usr/games/korvanta"
else
    fail "installed under /usr, the game is not in /usr/games: $(cd "$usr" && find . -name korvanta -type f)"
fi
[[ ! -e "$usr/usr/bin" ]] || fail "installed under /usr, something went to /usr/bin: $(ls "$usr/usr/bin")"
[[ ! -e "$usr/usr/share/lintian" ]] || fail "a lintian override is installed: $(find "$usr/usr/share/lintian")"

for file in pirulen.ttf font-license.txt Image/ship.png Sound/bullet.wav demos/demo.krp levels/level3.level; do
    [[ -s "$share/korvanta/$file" ]] || fail "share/korvanta/$file is missing"
done
if find "$share/korvanta" -name '.*' | grep -q .; then
    fail "build stamps were installed: $(find "$share/korvanta" -name '.*')"
fi
for language in fr de es ru; do
    [[ -s "$share/locale/$language/LC_MESSAGES/korvanta.mo" ]] || fail "the $language catalogue is not installed"
done
# The installed game finds its catalogues beside its data, in a "C" locale too.
(cd / && LANGUAGE=de LC_ALL=C "$bin" --help) | grep -q '^Optionen:' || fail "LANGUAGE=de korvanta --help is not German"
for file in README.md LICENSE copyright changelog.gz; do
    [[ -s "$doc/$file" ]] || fail "$doc/$file is missing"
done

desktop-file-validate "$share/applications/korvanta.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml >"$dest/appstream" ||
    fail "appstreamcli validate: $(cat "$dest/appstream")"

# Every icon a PNG of the size its folder names (width and height from the
# IHDR chunk, big-endian at bytes 16 to 23).
for size in 16 32 48 64 128 256; do
    icon="$share/icons/hicolor/${size}x${size}/apps/korvanta.png"
    [[ -f "$icon" ]] || { fail "no ${size}x${size} icon"; continue; }
    read -r -a b < <(od -An -tu1 -j16 -N8 "$icon")
    w=$(((b[2] << 8) + b[3])) h=$(((b[6] << 8) + b[7]))
    [[ $w -eq $size && $h -eq $size ]] || fail "$icon is ${w}x${h}"
done

page="$man/man6/korvanta.6.gz"
if [[ -f "$page" ]]; then
    out="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
    [[ -z "$out" ]] || fail "man -l: $out"
    out="$(zcat "$page" | groff -ww -man -z 2>&1)"
    [[ -z "$out" ]] || fail "groff: $out"
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS CONTROLS FILES ENVIRONMENT "EXIT STATUS"; do
        zgrep -q "^\.SH \"\?$section\"\?$" "$page" || fail "the manual has no $section section"
    done
else
    fail "no manual page at $page"
fi

[[ $failures -eq 0 ]] || exit 1
echo "installed tree OK"
