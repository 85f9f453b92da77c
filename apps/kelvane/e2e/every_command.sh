#!/usr/bin/env bash
# Every command of Kelvane's menu from the keyboard, on a real X display: each opens its own
# window (or message), which is closed again by keys, and the program goes on; Program > Exit
# ends it with status 0. A prepared user is logged in first.
set -euo pipefail
source "$E2E_LIB"

work=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-e2e.XXXXXX")
users="$E2E_BIN/users"

# command NAME KEYS TITLE COUNT CLOSE...: presses KEYS in the main window, waits for COUNT
# windows titled TITLE (the small boxes share the main window's title), takes a picture
# NAME.png and closes the new window with the CLOSE keys.
command() {
    local name=$1 keys=$2 title=$3 count=$4
    shift 4
    e2e_activate "$window"
    # shellcheck disable=SC2086  # the keys are separate words
    e2e_keys $keys
    e2e_wait_windows "$title" "$count"
    sleep 0.4
    e2e_screenshot "$name.png" >/dev/null
    e2e_keys "$@"
    e2e_wait_windows "$title" $((count - 1))
    sleep 0.2
    echo "e2e: \"$name\" opened \"$title\" and closed"
}

mkdir -p "$users"
printf 'tina\r\ntypist\r\n00000409\r\n_a\r\n!0:2:0:0:1:1:1:0:70:standard:\r\n' >"$work/tina.txt"
"$E2E_BIN/linefile" pack "$work/tina.txt" "$users/tina.dat"

e2e_start kelvane "$E2E_BIN/kelvane"
login=$(e2e_wait_window '^Identify yourself$' 30)
e2e_activate "$login"
sleep 0.5
e2e_keys Tab
e2e_type "typist"
e2e_keys Return
e2e_wait_window '^Choose a Lesson$' 20 >/dev/null
sleep 0.3
e2e_keys Escape
e2e_wait_windows '^Choose a Lesson$' 0
window=$(e2e_wait_window '^Kelvane$' 10)

# Program: "Log in a New User" logs tina in again.
e2e_activate "$window"
e2e_keys alt+p r
e2e_wait_window '^Identify yourself$' 10 >/dev/null
sleep 0.4
e2e_screenshot "login-again.png" >/dev/null
e2e_keys Tab
e2e_type "typist"
e2e_keys Return
e2e_wait_windows '^Identify yourself$' 0
window=$(e2e_wait_window '^Kelvane$' 10)
command details "alt+p u" '^Detailed information$' 1 Escape
command save-results "alt+p s" '^Save As$' 1 Escape
command load-results "alt+p l" '^Open$' 1 Escape
# "Insert a diskette and press the button.", then what became of the copy.
e2e_activate "$window"
e2e_keys alt+p d
e2e_wait_windows '^Kelvane$' 2
sleep 0.4
e2e_screenshot "diskette.png" >/dev/null
e2e_keys Return
sleep 0.5
e2e_wait_windows '^Kelvane$' 2
e2e_screenshot "diskette-outcome.png" >/dev/null
e2e_keys Return
e2e_wait_windows '^Kelvane$' 1
# Practice
command lesson-chooser "alt+a c" '^Choose a Lesson$' 1 Escape
command text-file "alt+a t" '^Open$' 1 Escape
# The two commands of the bar, and Help
command settings "alt+s" '^Settings$' 1 Escape
command results "alt+r" '^Results$' 1 Escape
command lesson-description "alt+h l" '^Kelvane$' 2 Return
command help "alt+h h" '^Kelvane Help$' 1 alt+F4
command about "alt+h a" '^About Kelvane$' 1 Return

e2e_activate "$window"
e2e_keys alt+p x
e2e_wait_exit "$E2E_PID" 20
echo "e2e: every command opened its window"
rm -rf "$work"
