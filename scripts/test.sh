#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: unit and
# offscreen GUI tests, the core tests again under AddressSanitizer and UndefinedBehaviorSanitizer
# and the threaded ones under ThreadSanitizer, a short run of every fuzz target, and the check of
# the delivered data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

step() { printf '\n=== %s ===\n' "$*"; }

step "Build and unit and GUI tests"
scripts/build.sh
ctest --test-dir build --output-on-failure -j"$jobs"

step "Core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
if [ ! -f build-asan/build.ninja ]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVANE_WITH_UI=OFF \
        -DKELVANE_BENCH=OFF -DKELVANE_SANITIZE=address,undefined
fi
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j"$jobs" -L unit

step "Threaded core tests under ThreadSanitizer"
if [ ! -f build-tsan/build.ninja ]; then
    cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVANE_WITH_UI=OFF \
        -DKELVANE_BENCH=OFF -DKELVANE_SANITIZE=thread
fi
# The worker threads live in the practice and tester cores; their tests carry "Worker" or
# "Thread" in their names.
cmake --build build-tsan --target kv_practice_tests kv_tester_tests
ctest --test-dir build-tsan --output-on-failure -j"$jobs" -L unit -R 'Worker|Thread'

step "Fuzz smoke run"
if [ ! -f build-fuzz/build.ninja ]; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKELVANE_WITH_UI=OFF -DKELVANE_TESTS=OFF -DKELVANE_BENCH=OFF -DKELVANE_FUZZ=ON
fi
cmake --build build-fuzz
seconds=${KELVANE_FUZZ_SECONDS:-30}
for fuzzer in build-fuzz/fuzz/*_fuzz; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    corpus=$(mktemp -d)
    seeds=$(find . -path ./build\* -prune -o -type d -path "*/fuzz/seeds/${name%_fuzz}" -print | head -n 1)
    echo "-- $name for ${seconds}s"
    "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 \
        "$corpus" ${seeds:+"$seeds"} 2>&1 | tail -n 3
    rm -rf "$corpus"
done

step "Check of the delivered data"
if [ -x build/bin/kelvane ] && [ -d build/bin/config ]; then
    QT_QPA_PLATFORM=offscreen build/bin/kelvane --check-data build/bin
fi

step "All tests passed"
