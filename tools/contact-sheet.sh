#!/usr/bin/env bash
# Lays every generated picture out on a dark background, each with its file
# name, so the whole art set can be judged at a glance.
#
#   tools/contact-sheet.sh [ASSET_DIR] [OUTPUT_PNG]
#
# ASSET_DIR defaults to build/assets, OUTPUT_PNG to docs/assets-contact-sheet.png.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
assets="${1:-$here/build/assets}"
output="${2:-$here/docs/assets-contact-sheet.png}"
montage_bin="$(command -v montage || true)"
if [[ -z "$montage_bin" ]]; then
    echo "contact-sheet: ImageMagick's montage is needed (apt-get install imagemagick)" >&2
    exit 1
fi
# convert and identify are taken from beside montage, so that another
# program of the same name earlier on PATH cannot stand in for them.
im_dir="$(dirname "$(readlink -f "$montage_bin")")"
convert_bin="$im_dir/convert"
identify_bin="$im_dir/identify"
[[ -x "$convert_bin" ]] || convert_bin="$(dirname "$montage_bin")/convert"
[[ -x "$identify_bin" ]] || identify_bin="$(dirname "$montage_bin")/identify"
if [[ ! -d "$assets/Image" ]]; then
    echo "contact-sheet: no pictures in $assets/Image; build the 'assets' target first" >&2
    exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Each picture becomes a labelled tile. Wide pictures are halved; small ones
# are enlarged by a whole factor without smoothing so their pixels can be
# inspected.
tile() {
    local name="$1" out="$2" width factor
    width="$("$identify_bin" -format '%w' "$assets/Image/$name")"
    if (( width > 1024 )); then
        factor=50
    else
        factor=$(( 300 / width ))
        (( factor < 1 )) && factor=1
        (( factor > 6 )) && factor=6
        factor=$(( factor * 100 ))
    fi
    # Narrow pictures get a wider dark margin so their labels fit.
    local scaled=$(( width * factor / 100 )) pad=0
    (( scaled < 160 )) && pad=$(( (160 - scaled + 1) / 2 ))
    "$convert_bin" "$assets/Image/$name" -filter point -resize "${factor}%" \
        -bordercolor none -border "${pad}x0" "$work/scaled.png"
    "$montage_bin" -background '#0b0e1a' -fill '#a8f2ff' -pointsize 13 -label "$name ($factor%)" \
        "$work/scaled.png" -geometry +10+10 "$out"
}

section() {
    local columns="$1" out="$2" i=0
    shift 2
    mkdir -p "$work/$out"
    for name in "$@"; do
        tile "$name" "$work/$out/$(printf '%02d' "$i").png"
        i=$((i + 1))
    done
    "$montage_bin" "$work/$out"/*.png -background '#0b0e1a' -tile "${columns}x" -geometry +4+4 "$work/$out.png"
}

section 1 fields stars1.png stars2.png UIBackground.png
section 3 large planet.png TheBoss.png Play.png Info.png ExitButton.png Replay.png Options.png Practice.png Scores.png Back.png
section 4 sprites ship.png BigExplosion.png MedExplosion.png SmallExplosion.png \
    ButtonH.png ButtonB.png ButtonN.png ButtonM.png Rocket.png ChargingBeam.png Ray.png BigRock.png \
    SpaceRockMedium.png SpaceRockSmall.png smallmine.png BigBug.png SmallBug.png GreenBullet.png \
    RedBullet.png SmokeTrail.png SmallMoney.png MedMoney.png HugeMoney.png Health.png Shield.png

"$convert_bin" -background '#0b0e1a' "$work/fields.png" "$work/large.png" "$work/sprites.png" -gravity center -append +repage -depth 8 "$output"
echo "contact-sheet: wrote $output"
