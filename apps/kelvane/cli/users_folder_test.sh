#!/usr/bin/env bash
# kelvane's command-line modes with a classroom's users folder:
#   users_folder_test.sh BIN_DIR
# --check-data checks the folder named by --users-folder, or by the setting UsersFolder in the
# computer-wide settings (/etc/xdg, here XDG_CONFIG_DIRS) or the user's, the option winning;
# a missing folder is a problem; --report reads a run from a read-only shared folder; the
# option without its folder is refused.
set -euo pipefail
bin=$(realpath "$1")
kelvane=$bin/kelvane

work=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-users-cli.XXXXXX")
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# Settings of this test only: no user settings, and the computer-wide ones in $work/xdg.
export XDG_CONFIG_HOME=$work/config XDG_CONFIG_DIRS=$work/xdg
mkdir -p "$work/config" "$work/xdg/zuv SOFTWARE" "$work/class" "$work/other"

printf 'anna\nabcd\n00000409\n_a\n\n' >"$work/anna.txt"
"$bin/linefile" pack "$work/anna.txt" "$work/class/anna.dat"
printf 'zuv STAT 1.0\n1700000000\nanna\n0\nHome row\n1.500\n120\n3\n300:a:\n250:s:\n400:d:f:\n' \
    >"$work/run.txt"
"$bin/linefile" pack "$work/run.txt" "$work/class/monday.stat"

check() {  # expected-status expected-line arguments...
    local want=$1 line=$2 status=0
    shift 2
    "$kelvane" "$@" --check-data "$bin" >"$work/out.txt" 2>&1 || status=$?
    [ "$status" -eq "$want" ] || { cat "$work/out.txt"; fail "kelvane $* --check-data: status $status"; }
    grep -qxF -- "$line" "$work/out.txt" || { cat "$work/out.txt"; fail "kelvane $*: no line \"$line\""; }
}

# Nothing named: the data alone.
check 0 "Data check passed: 4 lesson files, 3 keyboard layouts, 2 composed-character files, hands.ddd with 10 finger groups."
if grep -q "Users folder" "$work/out.txt"; then fail "a users folder was checked though none is named"; fi

check 0 "Users folder check passed: $work/class/, 1 user, 0 logged in." --users-folder "$work/class"
check 0 "Users folder check passed: $work/class/, 1 user, 0 logged in." "--users-folder=$work/class"

printf '[General]\nUsersFolder=%s\n' "$work/class" >"$work/xdg/zuv SOFTWARE/Kelvane.ini"
check 0 "Users folder check passed: $work/class/, 1 user, 0 logged in."
check 0 "Users folder check passed: $work/other/, 0 users, 0 logged in." --users-folder "$work/other"

check 1 "$work/missing/: no such folder (is the shared drive connected?)" --users-folder "$work/missing"
[ ! -e "$work/missing" ] || fail "the check made the missing users folder"

# Teachers look at a pupil's run in the shared folder, which they may not write.
chmod -R a-w "$work/class"
"$kelvane" --users-folder "$work/class" --report "$work/class/monday.stat" >"$work/out.txt" ||
    fail "--report on the shared folder"
grep -q "^Name:.*anna" "$work/out.txt" || { cat "$work/out.txt"; fail "the report lacks the name"; }
chmod -R u+w "$work/class"

status=0
"$kelvane" --check-data --users-folder >"$work/out.txt" 2>&1 || status=$?
[ "$status" -eq 1 ] && grep -q "users-folder needs a folder" "$work/out.txt" ||
    { cat "$work/out.txt"; fail "the option without its folder"; }
echo "users folder modes: checked"
