#!/usr/bin/env bash
# Remakes the README's screenshots (docs/screenshot-*.png): builds the game,
# plays the level on autopilot in a window on a virtual X server and saves
# the menu, the first mines, a formation, the rock field, a swarm and the
# boss's ray, then the boss of the second level and a V of the third. Needs
# xvfb and imagemagick (test packages).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$here/build/release"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target korvanta_shots
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
unset SDL_VIDEODRIVER
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1280x720x24" "$build/tools/screenshots/korvanta_shots" "$work"
for shot in "$work"/*.bmp; do
    name="$(basename "$shot" .bmp)"
    /usr/bin/convert "$shot" "$here/docs/screenshot-$name.png"
done
# The later levels from their start: one picture each for the README (the
# tool saves more of their moments, to look at).
for level in 2 3; do
    SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1280x720x24" "$build/tools/screenshots/korvanta_shots" "$work" "$level"
done
for name in level2-boss-ray level3-vee; do
    /usr/bin/convert "$work/$name.bmp" "$here/docs/screenshot-$name.png"
done
ls "$here"/docs/screenshot-*.png
