#!/usr/bin/env bash
# Installs the Debian packages listed in packages.txt that are missing.
# Usage: ensure-packages.sh [test]   ("test" adds the test-only packages)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
want_test="${1:-}"

missing=()
while read -r name role; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    [[ "$role" == "test" && "$want_test" != "test" ]] && continue
    if ! dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$name")
    fi
done < "$root/packages.txt"

[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
    echo "KORVANTA needs these Debian packages first:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
echo "Installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
