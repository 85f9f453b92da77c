#!/usr/bin/env bash
# Runs the tests that skipped while the suite ran as the superuser again as an ordinary user,
# so that refusal paths (read-only folders, unwritable media) are exercised on every run:
#
#   scripts/rerun_skipped_unprivileged.sh FOLDER
#
# FOLDER holds what the test programs recorded with KELVANE_SKIPPED_TESTS=FOLDER (lines
# "program<TAB>Suite.Name"). Each program is copied into a temporary folder that the user
# (KELVANE_UNPRIVILEGED_ID, default 65534, "nobody") owns, and runs there with setpriv, its
# HOME, XDG folders and TMPDIR inside that folder, filtered to the skipped tests. Every test is
# listed with its outcome. A test that fails fails the run; a test that skips again lacks
# something on this machine that no user has, and is listed as such.
set -euo pipefail

folder=$1
user_id=${KELVANE_UNPRIVILEGED_ID:-65534}

if [ "$(id -u)" -ne 0 ]; then
    echo "Not the superuser: no test was skipped for privileges."
    exit 0
fi
list=$(cat "$folder"/skipped-*.txt 2>/dev/null | sort -u || true)
if [ -z "$list" ]; then
    echo "No test was skipped."
    exit 0
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-unprivileged.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/home/.config" "$work/home/.local/share" "$work/home/.cache" \
    "$work/tmp" "$work/run"
chown -R "$user_id:$user_id" "$work"
chmod 700 "$work" "$work/run"

ran=0
passed=0
skipped_again=0
failed=0
while IFS= read -r program; do
    name=$(basename "$program")
    filter=$(printf '%s\n' "$list" | awk -F '\t' -v p="$program" '$1 == p { print $2 }' | paste -sd:)
    install -m 755 -o "$user_id" -g "$user_id" "$program" "$work/bin/$name"
    log="$work/$name.log"
    status=0
    (cd "$work" && setpriv --reuid="$user_id" --regid="$user_id" --clear-groups \
        env -i PATH="$PATH" LANG="${LANG:-C.UTF-8}" TZ=UTC HOME="$work/home" \
        XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
        XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp" \
        QT_QPA_PLATFORM=offscreen \
        "$work/bin/$name" --gtest_filter="$filter") >"$log" 2>&1 || status=$?
    while IFS= read -r test; do
        ran=$((ran + 1))
        if grep -qF "[       OK ] $test " "$log"; then
            passed=$((passed + 1))
            echo "ran as user $user_id, passed: $name $test"
        elif grep -qF "[  SKIPPED ] $test " "$log"; then
            skipped_again=$((skipped_again + 1))
            echo "ran as user $user_id, skipped again (this machine lacks what it needs): $name $test"
            awk -v run="[ RUN      ] $test" -v end="[  SKIPPED ] $test " \
                'index($0, run) == 1 { on = 1; next } index($0, end) == 1 { on = 0 } on' \
                "$log" | sed 's/^/    /'
        else
            failed=$((failed + 1))
            echo "ran as user $user_id, FAILED: $name $test"
        fi
    done < <(printf '%s\n' "$filter" | tr ':' '\n')
    if [ "$status" -ne 0 ]; then
        cat "$log"
        if [ "$failed" -eq 0 ]; then
            failed=1
        fi
    fi
done < <(printf '%s\n' "$list" | cut -f1 | sort -u)

echo "As user $user_id: $ran tests, $passed passed, $skipped_again skipped again, $failed failed"
[ "$failed" -eq 0 ]
