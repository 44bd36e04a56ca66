#!/usr/bin/env bash
# Builds the Debian package: the optimised game for /usr with Debian's
# hardening flags in build/package, the .deb by CPack next to it, then
# lintian on the result: exit status 0 when it finds no error, non-zero on
# any error, an overridden one included (the package overrides nothing);
# the warnings and notes are shown.
#   sudo apt install ./build/package/korvanta_*.deb     (the game: /usr/games/korvanta)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh test
build=build/package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DKORVANTA_TESTS=OFF -DKORVANTA_SANITIZE=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j"$(nproc)" --target korvanta assets icons compressed_docs
rm -f "$build"/korvanta_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/korvanta_*.deb)"
echo "Built $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
echo "lintian:"
lintian --display-info --show-overrides --fail-on error "$deb"
