# shellcheck shell=bash
# Builds and runs the libFuzzer targets; sourced by scripts/test.sh (a short run of every
# target) and scripts/fuzz.sh (long runs on demand), from the repository root.
#
# Every target runs under AddressSanitizer and UndefinedBehaviorSanitizer built to stop at
# their first report, so undefined behaviour, leaks and memory errors all end the run with the
# input that caused them. What a run leaves lies in build-fuzz/runs/<target>: "log", "status"
# (the fuzzer's exit status) and "findings/" (the inputs libFuzzer wrote).

KV_FUZZ_BUILD=build-fuzz
KV_FUZZ_RUNS=$KV_FUZZ_BUILD/runs

# Configures build-fuzz when it is new, then builds it.
kv_fuzz_build() {
    if [ ! -f "$KV_FUZZ_BUILD/build.ninja" ]; then
        CC=clang CXX=clang++ cmake -S . -B "$KV_FUZZ_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_CXX_FLAGS_RELEASE="-O1 -gline-tables-only" -DKELVANE_WITH_UI=OFF \
            -DKELVANE_TESTS=OFF -DKELVANE_BENCH=OFF -DKELVANE_FUZZ=ON || return 1
    fi
    cmake --build "$KV_FUZZ_BUILD"
}

# The fuzz targets, one path a line. Fails when there is none: a build that lost its targets
# must not pass for one whose targets found nothing.
kv_fuzz_targets() {
    local found
    found=$(find "$KV_FUZZ_BUILD/fuzz" -maxdepth 1 -type f -name '*_fuzz' -perm -u+x 2>/dev/null |
        sort)
    if [ -z "$found" ]; then
        echo "No fuzz targets in $KV_FUZZ_BUILD/fuzz" >&2
        return 1
    fi
    printf '%s\n' "$found"
}

# The seed folder of a target: <area>/fuzz/seeds/<target name without _fuzz>, if there is one.
kv_fuzz_seeds() {
    find . \( -path './build*' -o -path ./.git \) -prune -o \
        -type d -path "*/fuzz/seeds/${1%_fuzz}" -print | head -n 1
}

# Runs one target for the given seconds from its seeds and the corpus folder, which keeps
# what the run adds. Always succeeds itself; the outcome is in the run folder.
kv_fuzz_one() {
    local fuzzer=$1 seconds=$2 corpus=$3 name seeds out status=0
    name=$(basename "$fuzzer")
    seeds=$(kv_fuzz_seeds "$name")
    out=$KV_FUZZ_RUNS/$name
    rm -rf "$out"
    mkdir -p "$out/findings" "$corpus"
    ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
        UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "$fuzzer" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$out/findings/" \
        "$corpus" ${seeds:+"$seeds"} >"$out/log" 2>&1 || status=$?
    echo "$status" >"$out/status"
}

# One table row for a finished run: target, runs, coverage (cov and ft as libFuzzer counts
# them), corpus size and the finding.
kv_fuzz_row() {
    local name=$1 corpus=$2 out=$KV_FUZZ_RUNS/$1 status runs last cov ft finding units
    status=$(cat "$out/status" 2>/dev/null || echo "?")
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/log" | tail -n 1)
    last=$(grep -E '^#[0-9]+.* cov: ' "$out/log" | tail -n 1)
    if [ -z "$runs" ]; then
        runs=$(sed -E 's/^#([0-9]+).*/\1/' <<<"$last")
    fi
    cov=$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<<"$last")
    ft=$(sed -nE 's/.* ft: ([0-9]+).*/\1/p' <<<"$last")
    units=$(find "$corpus" -type f 2>/dev/null | wc -l)
    if [ "$status" = 0 ]; then
        finding="none"
    else
        finding=$(grep -m 1 -E 'runtime error:|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)' \
            "$out/log" | sed -E 's/^==[0-9]+== ?//; s/^.*runtime error:/runtime error:/')
        finding="${finding:-exit status $status}"
    fi
    printf '%-28s %12s %7s %8s %7s  %s\n' "$name" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$units" \
        "$finding"
}

# What a run that found something leaves for the log: the end of the fuzzer's report and
# every input it wrote, as a hex dump to read and as base64 to copy
# ("base64 -d > input && build-fuzz/fuzz/<target> input" reproduces it).
kv_fuzz_report_finding() {
    local name=$1 out=$KV_FUZZ_RUNS/$1 input
    printf '\n--- %s: end of the log (%s) ---\n' "$name" "$out/log"
    tail -n 80 "$out/log"
    for input in "$out"/findings/*; do
        [ -f "$input" ] || continue
        printf '\n--- %s: %s, %d bytes ---\n' "$name" "$input" "$(stat -c %s "$input")"
        od -A x -t x1z -v "$input" | head -n 64
        echo "base64:"
        head -c 65536 "$input" | base64 -w 76
    done
}

# Runs every target for the given seconds, at most jobs at once, each with its corpus in
# corpus_root/<target>, then prints the table and the findings. Fails when there is no target
# or any run found something.
kv_fuzz_all() {
    local seconds=$1 corpus_root=$2 jobs=${3:-2} targets fuzzer name failed=0
    targets=$(kv_fuzz_targets) || return 1
    mkdir -p "$KV_FUZZ_RUNS"
    for fuzzer in $targets; do
        while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
            wait -n || true
        done
        name=$(basename "$fuzzer")
        echo "-- $name: ${seconds} s"
        kv_fuzz_one "$fuzzer" "$seconds" "$corpus_root/$name" &
    done
    wait
    echo
    printf '%-28s %12s %7s %8s %7s  %s\n' target runs cov ft corpus finding
    for fuzzer in $targets; do
        kv_fuzz_row "$(basename "$fuzzer")" "$corpus_root/$(basename "$fuzzer")"
    done
    for fuzzer in $targets; do
        name=$(basename "$fuzzer")
        if [ "$(cat "$KV_FUZZ_RUNS/$name/status" 2>/dev/null)" != 0 ]; then
            kv_fuzz_report_finding "$name"
            failed=1
        fi
    done
    return "$failed"
}
