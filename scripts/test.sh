#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: unit, offscreen
# GUI, command-line and data tests (as the superuser, the tests skipped for it again as an
# ordinary user), the tests on a private X server (XKB layouts, end-to-end runs of the real
# programs, a short startup benchmark), the core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer and the threaded ones under ThreadSanitizer, and a short run of
# every fuzz target; the Debian package is built and checked with lintian. Every stage that
# selects tests fails when it selects none.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

started=$SECONDS
step() { printf '\n=== %s (at %d min %02d s) ===\n' "$*" $(((SECONDS - started) / 60)) $(((SECONDS - started) % 60)); }

step "Build and unit, GUI, command-line and data tests"
scripts/build.sh
# Tests that skip record themselves here (common/testing/gtest_main.cpp).
skipped=$(mktemp -d)
trap 'rm -rf "$skipped"' EXIT
KELVANE_SKIPPED_TESTS=$skipped ctest --test-dir build --output-on-failure -j"$jobs" \
    -LE 'xvfb|e2e|bench|package' --no-tests=error

step "Tests skipped for the superuser, as an ordinary user"
scripts/rerun_skipped_unprivileged.sh "$skipped"

step "Debian package: built from the build tree, checked with lintian"
ctest --test-dir build --output-on-failure -L package --no-tests=error

step "Tests on a private X server: layouts, end-to-end runs, startup benchmark"
ctest --test-dir build --output-on-failure -j"$jobs" -L 'xvfb|e2e|bench' --no-tests=error

step "Core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
if [ ! -f build-asan/build.ninja ]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
        -DKELVANE_WITH_UI=OFF -DKELVANE_BENCH=OFF -DKELVANE_SANITIZE=address,undefined
fi
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j"$jobs" -L unit --no-tests=error

step "Threaded core tests under ThreadSanitizer"
if [ ! -f build-tsan/build.ninja ]; then
    cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
        -DKELVANE_WITH_UI=OFF -DKELVANE_BENCH=OFF -DKELVANE_SANITIZE=thread
fi
# The worker threads live in the practice and tester cores, the sound mixer and its pump in the
# users core; their tests carry "Worker" or "Thread" in their names.
cmake --build build-tsan --target kv_practice_tests kv_tester_tests kv_users_tests
ctest --test-dir build-tsan --output-on-failure -j"$jobs" -L unit -R 'Worker|Thread' \
    --no-tests=error

step "Fuzz smoke run"
if [ ! -f build-fuzz/build.ninja ]; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CXX_FLAGS_RELEASE="-O1 -gline-tables-only" -DKELVANE_WITH_UI=OFF \
        -DKELVANE_TESTS=OFF -DKELVANE_BENCH=OFF -DKELVANE_FUZZ=ON
fi
cmake --build build-fuzz
seconds=${KELVANE_FUZZ_SECONDS:-30}
# One fuzzer per core at a time; each starts from its seeds with a fresh corpus of its own.
fuzz_one() {
    local fuzzer=$1 name corpus seeds status=0
    name=$(basename "$fuzzer")
    corpus=$(mktemp -d)
    seeds=$(find . -path ./build\* -prune -o -type d -path "*/fuzz/seeds/${name%_fuzz}" -print | head -n 1)
    "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 \
        "$corpus" ${seeds:+"$seeds"} > "$corpus.log" 2>&1 || status=$?
    echo "-- $name: $(tail -n 1 "$corpus.log")"
    if [ "$status" -ne 0 ]; then
        cat "$corpus.log"
    fi
    rm -rf "$corpus" "$corpus.log"
    return "$status"
}
export -f fuzz_one
export seconds
find build-fuzz/fuzz -maxdepth 1 -type f -name '*_fuzz' -perm -u+x -print0 | sort -z |
    xargs -0 -n 1 -P "$jobs" bash -c 'fuzz_one "$0"'

step "All tests passed"
