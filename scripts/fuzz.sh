#!/usr/bin/env bash
# Runs every fuzz target for SECONDS (default 600), two at a time, and prints per target the
# runs, the coverage and any finding. Each target keeps its corpus between runs in
# ${XDG_CACHE_HOME:-~/.cache}/kelvane-fuzz/<target>, so every run goes on where the last one
# stopped; the log and any input that found something stay in build-fuzz/runs/<target>.
#
#   scripts/fuzz.sh [SECONDS]
#   KELVANE_FUZZ_JOBS=1 scripts/fuzz.sh 60     # one at a time
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: scripts/fuzz.sh [SECONDS]" >&2
    exit 2
fi
scripts/setup.sh

. scripts/fuzz_lib.sh
kv_fuzz_build
corpora=${XDG_CACHE_HOME:-$HOME/.cache}/kelvane-fuzz
echo "Corpora in $corpora"
kv_fuzz_all "$seconds" "$corpora" "${KELVANE_FUZZ_JOBS:-2}"
