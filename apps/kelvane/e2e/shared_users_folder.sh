#!/usr/bin/env bash
# Two tutors on one shared users folder (--users-folder), on a real X display: the first logs
# in as anna and holds her session lock; the second is refused at its login with a message
# and anna's lock stays the first's; once the first has crashed (killed, nothing released), a
# new tutor logs anna in at once, since the lock's program is gone.
set -euo pipefail
source "$E2E_LIB"

users=$(mktemp -d "${TMPDIR:-/tmp}/shared-users.XXXXXX")
# A user as an older program wrote her: the password as typed.
printf 'anna\nabcd\n00000409\n_a\n\n' >"$users/anna.txt"
"$E2E_BIN/linefile" pack "$users/anna.txt" "$users/anna.dat"
rm "$users/anna.txt"

lock_pid() {
    sed -n 's/^pid=//p' "$users/anna.lock" 2>/dev/null
}

# log_in NAME: starts a tutor on the shared folder and logs anna in (she is the list's
# default entry, so only her password is typed); the tutor's pid is in E2E_PID. The login
# window shows the name and the password together; a login that asks for them one after the
# other shows a second window for the password, which gets it then.
log_in() {
    e2e_start "$1" "$E2E_BIN/kelvane" --users-folder "$users"
    local login next
    login=$(e2e_wait_window '^Identify yourself$' 40)
    e2e_activate "$login"
    e2e_keys Tab
    e2e_type abcd
    e2e_keys Return
    sleep 1
    next=$(xdotool search --onlyvisible --name '^Identify yourself$' | grep -vx "$login" | head -n 1 || true)
    if [ -n "$next" ]; then
        e2e_activate "$next"
        e2e_type abcd
        e2e_keys Return
    fi
}

log_in first
first=$E2E_PID
for _ in $(seq 1 100); do
    [ "$(lock_pid)" = "$first" ] && break
    sleep 0.1
done
[ "$(lock_pid)" = "$first" ] || { echo "e2e: the first tutor holds no lock" >&2; exit 1; }
echo "e2e: anna's lock is the first tutor's ($first)"

log_in second
second=$E2E_PID
# The refusal is a message box; once it is closed, the login asks again.
sleep 2
e2e_screenshot second-refused.png >/dev/null
[ "$(lock_pid)" = "$first" ] || { echo "e2e: the second tutor took anna's lock" >&2; exit 1; }
message=$(xdotool search --onlyvisible --pid "$second" --name '^Kelvane$' | head -n 1 || true)
[ -n "$message" ] || { echo "e2e: the second tutor shows no message" >&2; exit 1; }
e2e_activate "$message"
e2e_keys Return
sleep 1
xdotool search --onlyvisible --pid "$second" --name '^Identify yourself$' >/dev/null ||
    { echo "e2e: the second tutor does not ask for a login again" >&2; exit 1; }
kill -0 "$second" || { echo "e2e: the second tutor ended" >&2; exit 1; }
echo "e2e: the second tutor was refused"
kill -TERM "$second"
wait "$second" || true

# The first tutor crashes: its lock stays behind with a pid that is gone.
kill -KILL "$first"
wait "$first" || true
[ -f "$users/anna.lock" ] || { echo "e2e: the crashed tutor's lock vanished" >&2; exit 1; }

log_in third
third=$E2E_PID
for _ in $(seq 1 100); do
    [ "$(lock_pid)" = "$third" ] && break
    sleep 0.1
done
[ "$(lock_pid)" = "$third" ] || { echo "e2e: the crashed tutor's lock was not taken over" >&2; exit 1; }
echo "e2e: the third tutor took over the crashed tutor's lock"
kill -TERM "$third"
wait "$third" || true
rm -rf "$users"
