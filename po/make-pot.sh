#!/usr/bin/env bash
# Writes the catalogue template from the game's sources: make-pot.sh XGETTEXT OUT.
# Run from the source tree (the pot target does).
set -euo pipefail
xgettext=$1 out=$2
find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort |
    "$xgettext" --files-from=- --from-code=UTF-8 --language=C++ --keyword=Tr --keyword=TrNoop --keyword=TrIn:1c,2 \
        --add-comments=TRANSLATORS: --package-name=korvanta --package-version=1.0.0 \
        --msgid-bugs-address=https://github.com/korvanta/korvanta/issues --no-wrap --sort-by-file -o "$out"
