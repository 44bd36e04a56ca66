#!/usr/bin/env bash
# Seeds one fault at a time into the game code and checks that the test suite
# notices it. Each line of the list (tests/mutants.txt by default) names a file
# under src/, an exact text in it, what that text becomes and what kind of
# mistake it is, separated by TABs. For each fault the file is changed, the
# test build (build/test, ASan/UBSan) is rebuilt and the test binary runs with
# --gtest_fail_fast: the fault is killed when a test fails (or the run hangs
# past the time limit), survives when every test passes, and does not count
# when it does not compile. The file is put back after every fault, also when
# the script is interrupted.
#
# Usage: scripts/mutants.sh [LIST] [RESULTS]
#   MUTANTS_ONLY="3 17"  only the faults with these numbers (1 = first fault line)
#   MUTANTS_JOBS=2       build jobs
#   MUTANTS_FILTER='FixtureReplays*'  only these tests (a gtest filter), every
#                        one run to the end: the last field lists all that
#                        failed, so a log tells whether a subset alone
#                        catches a fault
# RESULTS (default build/test/mutants.log) gets one line per fault:
#   number  killed|survived|no-compile|not-found  file  description  [first failing test]
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
list=$(realpath "${1:-tests/mutants.txt}")
build="$root/build/test"
results=$(realpath -m "${2:-$build/mutants.log}")
jobs=${MUTANTS_JOBS:-2}
limit=900  # seconds per test run; a hung game counts as caught

# The slow tests run last, so that a fault the quick ones catch costs little.
slow='LongSession*:HostileAssets*:FixtureReplays*:Seeds/*:Playthrough.*:Playthrough/*:ReplayFiles*:PlayerKeeps*:FuzzRegression*'

export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

backup=""
target=""
restore() {
    if [[ -n "$backup" && -f "$backup" ]]; then
        cp "$backup" "$target"
        rm -f "$backup"
        backup=""
    fi
}
trap 'restore; exit 130' INT TERM
trap restore EXIT

if ! git diff --quiet -- src; then
    echo "mutants: src/ has uncommitted changes; run on a clean tree" >&2
    exit 2
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKORVANTA_TESTS=ON -DKORVANTA_SANITIZE=ON \
    -DKORVANTA_WERROR=ON >/dev/null || exit 2
cmake --build "$build" --target korvanta_tests -j"$jobs" >/dev/null || { echo "mutants: the clean tree does not build" >&2; exit 2; }

# Runs the test binary from the asset folder: the quick tests, then the
# recorded replays, then the slow rest in two shards side by side. Prints the
# first failing test.
run_once() {  # filter log [shard]: the shard replaces the subshell it runs in
    if [[ -n "${3:-}" ]]; then
        exec env -C "$build/assets" GTEST_TOTAL_SHARDS=2 GTEST_SHARD_INDEX="$3" timeout "$limit" \
            ../korvanta_tests --gtest_fail_fast --gtest_filter="$1" >"$2" 2>&1
    fi
    env -C "$build/assets" timeout "$limit" ../korvanta_tests --gtest_fail_fast --gtest_filter="$1" >"$2" 2>&1
}
verdict_of() {  # status log
    [[ $1 -eq 0 ]] && return 0
    if [[ $1 -eq 124 ]]; then
        echo "timed out"
    elif grep -q -E '^\[  FAILED  \]' "$2"; then
        grep -m1 -E '^\[  FAILED  \]' "$2" | sed 's/^\[  FAILED  \] //'
    else
        echo "crashed ($(grep -m1 -E 'ERROR: |runtime error|Assertion' "$2" | cut -c1-100))"
    fi
    return 1
}
# Only the tests MUTANTS_FILTER names, with no stop at the first failure:
# prints every test that failed.
run_filtered() {
    local log="$build/mutant-run.1" status failed
    env -C "$build/assets" timeout "$limit" ../korvanta_tests --gtest_filter="$MUTANTS_FILTER" >"$log" 2>&1
    status=$?
    [[ $status -eq 0 ]] && return 0
    failed=$(grep -E '^\[  FAILED  \] [A-Za-z]' "$log" | sed 's/^\[  FAILED  \] //; s/ (.*//; s/, where GetParam.*//' | sort -u | paste -sd' ')
    echo "${failed:-$(verdict_of "$status" "$log")}"
    return 1
}
run_tests() {
    [[ -n "${MUTANTS_FILTER:-}" ]] && { run_filtered; return; }
    local log="$build/mutant-run"
    run_once "-$slow" "$log.1"
    verdict_of $? "$log.1" || return 1
    run_once "FixtureReplays*" "$log.2"
    verdict_of $? "$log.2" || return 1
    run_once "$slow:-FixtureReplays*" "$log.3" 0 &
    local pids=($!)
    run_once "$slow:-FixtureReplays*" "$log.4" 1 &
    pids+=($!)
    local status=(0 0) done=0 k
    while ((done < 2)); do
        local running=()
        for k in 0 1; do [[ -n "${pids[k]}" ]] && running+=("${pids[k]}"); done
        wait -n "${running[@]}" 2>/dev/null
        for k in 0 1; do
            if [[ -n "${pids[k]}" ]] && ! kill -0 "${pids[k]}" 2>/dev/null; then
                wait "${pids[k]}"
                status[k]=$?
                pids[k]=""
                done=$((done + 1))
                if [[ ${status[k]} -ne 0 ]]; then
                    local other=${pids[1 - k]}
                    [[ -n "$other" ]] && kill "$other" 2>/dev/null && wait "$other" 2>/dev/null
                    verdict_of "${status[k]}" "$log.$((k + 3))"
                    return 1
                fi
            fi
        done
    done
    return 0
}

: >"$results"
number=0
while IFS=$'\t' read -r file find replace what || [[ -n "$file" ]]; do
    [[ -z "$file" || "$file" == \#* ]] && continue
    number=$((number + 1))
    if [[ -n "${MUTANTS_ONLY:-}" && " $MUTANTS_ONLY " != *" $number "* ]]; then
        continue
    fi
    target="src/$file"
    started=$SECONDS
    found=$(FIND="$find" python3 -c 'import os,sys; print(open(sys.argv[1]).read().count(os.environ["FIND"]))' "$target" 2>/dev/null || echo 0)
    if [[ "$found" != 1 ]]; then
        verdict="not-found"
        detail="the text occurs $found times"
    else
        backup="$build/mutant-backup"
        cp "$target" "$backup"
        FIND="$find" REPLACE="$replace" python3 -c '
import os, sys
path = sys.argv[1]
text = open(path).read()
open(path, "w").write(text.replace(os.environ["FIND"], os.environ["REPLACE"], 1))' "$target"
        if ! cmake --build "$build" --target korvanta_tests -j"$jobs" >"$build/mutant-build.log" 2>&1; then
            verdict="no-compile"
            detail=""
        elif detail=$(run_tests); then
            verdict="survived"
        else
            verdict="killed"
        fi
        restore
    fi
    printf '%s\t%s\t%s\t%s\t%s\n' "$number" "$verdict" "$file" "$what" "$detail" | tee -a "$results"
    echo "    ($((SECONDS - started)) s)" >&2
done <"$list"

# Leave the build as the clean tree builds it.
cmake --build "$build" --target korvanta_tests -j"$jobs" >/dev/null
echo "killed $(grep -c $'\tkilled\t' "$results"), survived $(grep -c $'\tsurvived\t' "$results")," \
    "not counted $(grep -c -E $'\t(no-compile|not-found)\t' "$results")"
