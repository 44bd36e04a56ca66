#!/usr/bin/env bash
# Builds the optimised game with its frame benchmarks, times every scene
# beside the reference pass (median and 99th percentile, with the targets),
# then measures start-up and CPU share in a real window under Xvfb.
# Arguments go to the benchmark, e.g. --benchmark_filter=barrage.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh test
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j"$(nproc)"
status=0
build/release/korvanta_bench "$@" || status=$?
bench/verify-speed.sh build/release/korvanta || status=$?
bench/window-cpu.sh build/release/korvanta || status=$?
exit "$status"
