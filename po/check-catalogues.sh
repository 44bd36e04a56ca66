#!/usr/bin/env bash
# Checks every catalogue in po/: msgfmt --check passes, and it translates
# every text of a template made afresh from the sources (so a text added to
# the game without its translations fails here), and po/korvanta.pot is
# that template. Usage: check-catalogues.sh SOURCE_DIR
set -euo pipefail
cd "$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

po/make-pot.sh xgettext "$work/korvanta.pot"
strip() { grep -v '^"POT-Creation-Date:' "$1"; }
diff <(strip po/korvanta.pot) <(strip "$work/korvanta.pot") >/dev/null ||
    fail "po/korvanta.pot is out of date: cmake --build BUILD --target pot"
for po in po/*.po; do
    msgfmt --check -o /dev/null "$po" || fail "msgfmt --check $po"
    msgcmp "$po" "$work/korvanta.pot" || fail "$po does not translate every text of the game"
    if msgattrib --only-fuzzy "$po" | grep -q '^msgid'; then
        fail "$po has fuzzy entries"
    fi
done
exit $((failures > 0))
