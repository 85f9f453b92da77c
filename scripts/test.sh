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
# Every fuzz target from its seeds with a fresh corpus, two at a time; the first sanitizer
# report of any target fails the run and its input is printed below the table.
. scripts/fuzz_lib.sh
kv_fuzz_build
corpora=$(mktemp -d)
fuzz_status=0
kv_fuzz_all "${KELVANE_FUZZ_SECONDS:-30}" "$corpora" 2 || fuzz_status=$?
rm -rf "$corpora"
if [ "$fuzz_status" -ne 0 ]; then
    echo "Fuzz smoke run failed; the runs are kept in $KV_FUZZ_RUNS" >&2
    exit 1
fi

step "All tests passed"
