#!/usr/bin/env bash
# A newcomer, by keyboard alone, on a real X display: registers in "Identify yourself" (the
# password repeated), fills in "Detailed information", takes the first-time wizard to the
# advanced course and its initial test, ends the test with "&End of Test", fails it, leaves the
# details and the wizard that come back, finds the advanced course in "Choose a Lesson",
# changes the settings on four pages and exits by the menu; started again, the user logs in and
# exits. Then the user's ".dat" and ".dit" hold the course, the settings chosen and the details,
# read back with "linefile unpack".
set -euo pipefail
source "$E2E_LIB"

work=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-e2e.XXXXXX")
users="$E2E_BIN/users"

# The line LINE (from 1) of a line file, without its CR.
file_line() {
    "$E2E_BIN/linefile" unpack "$1" "$work/unpacked.txt"
    sed -n "$2p" "$work/unpacked.txt" | tr -d '\r'
}

[ ! -e "$users" ] || [ -z "$(ls -A "$users")" ] || e2e_fail "the program copy already has users"

# --- Registration ---------------------------------------------------------------------------
e2e_start kelvane "$E2E_BIN/kelvane"
login=$(e2e_wait_window '^Identify yourself$' 30)
e2e_activate "$login"
sleep 0.5
e2e_type "nina"
e2e_keys Tab
e2e_type "secret1"
e2e_keys Return
# "Welcome, New User! Re-enter the password..."
e2e_wait_window '^Info$' 10 >/dev/null
sleep 0.3
e2e_screenshot "welcome-new-user.png" >/dev/null
e2e_keys Return
e2e_wait_windows '^Info$' 0
e2e_type "secret1"
e2e_keys Return

# --- Details --------------------------------------------------------------------------------
e2e_wait_window '^Detailed information$' 20 >/dev/null
sleep 0.5
# First name, last name, e-mail, date of birth, city, then the country by its first letters.
e2e_type "Nina"
e2e_keys Tab
e2e_type "Newman"
e2e_keys Tab
e2e_type "nina@example.org"
e2e_keys Tab
e2e_type "2001-02-03"
e2e_keys Tab
e2e_type "Hamburg"
e2e_keys Tab
e2e_type "Germany"
sleep 0.3
e2e_screenshot "details.png" >/dev/null
e2e_keys Return
e2e_wait_windows '^Detailed information$' 0

# --- The first-time wizard ------------------------------------------------------------------
e2e_wait_window '^Initial Test$' 10 >/dev/null
sleep 0.5
# Page 1: the English keyboard stays, the level becomes "Advanced".
e2e_keys Tab Down
e2e_screenshot "wizard-course.png" >/dev/null
e2e_keys alt+n
sleep 0.3
# Page 2: "Do you want to qualify for an advanced lesson?", which has the focus, ticked.
e2e_keys space
e2e_screenshot "wizard-qualify.png" >/dev/null
e2e_keys alt+n
sleep 0.3
# Page 3: "Do you know the correct fingering?" starts ticked.
e2e_keys alt+n
sleep 0.5
# Page 4: the list has the focus; a row chosen brings "Test".
e2e_keys Down
sleep 0.3
e2e_screenshot "wizard-test-lesson.png" >/dev/null
e2e_keys Return
# The test lesson's note, then the test with "&End of Test" in front of the greyed menus.
e2e_wait_windows '^Kelvane$' 2
e2e_keys Return
e2e_wait_windows '^Kelvane$' 1
sleep 0.5
e2e_type "Tuesday"
e2e_screenshot "initial-test.png" >/dev/null
e2e_keys alt+e
# "Unfortunately, you have failed this test..."
e2e_wait_window '^Info$' 10 >/dev/null
sleep 0.3
e2e_screenshot "test-failed.png" >/dev/null
e2e_keys Return
# The details again, left with Escape, and the wizard at its lesson page, cancelled.
e2e_wait_window '^Detailed information$' 10 >/dev/null
sleep 0.3
e2e_keys Escape
e2e_wait_window '^Initial Test$' 10 >/dev/null
sleep 0.5
e2e_screenshot "wizard-again.png" >/dev/null
e2e_keys Escape
e2e_wait_windows '^Initial Test$' 0

# --- The advanced course in the lesson chooser ------------------------------------------------
window=$(e2e_wait_window '^Kelvane$' 10)
e2e_activate "$window"
e2e_keys alt+a c
e2e_wait_window '^Choose a Lesson$' 10 >/dev/null
sleep 0.5
e2e_screenshot "lesson-chooser.png" >/dev/null
e2e_keys Escape
e2e_wait_windows '^Choose a Lesson$' 0

# --- Settings -------------------------------------------------------------------------------
# The tab bar has the focus; its arrows change the page, Tab reaches the page's controls.
e2e_activate "$window"
e2e_keys alt+s
e2e_wait_window '^Settings$' 10 >/dev/null
sleep 0.5
# Cursor: the rectangle, blinking.
e2e_keys Tab Up Up Tab space shift+Tab shift+Tab
# Editor: the helping keyboard and hands shown ("Copied Text" cannot be changed).
e2e_keys Right Right Tab Tab space Tab space shift+Tab shift+Tab shift+Tab
# Appearance: "paper", above "standard".
e2e_keys Right Right Tab Up shift+Tab
# Error Handling: "No limitation".
e2e_keys Right Tab Down Down
sleep 0.3
e2e_screenshot "settings.png" >/dev/null
e2e_keys Return
e2e_wait_windows '^Settings$' 0
sleep 0.5
e2e_screenshot "paper-appearance.png" >/dev/null
e2e_activate "$window"
e2e_keys alt+p x
e2e_wait_exit "$E2E_PID" 20
# "!blink:shape:sound:errorMode:keyboard:hands:statistics:metronome:rate:appearance:"
settings_text="!1:0:0:2:1:1:1:0:70:paper:"

# --- The settings survive a restart ---------------------------------------------------------
e2e_start kelvane "$E2E_BIN/kelvane"
login=$(e2e_wait_window '^Identify yourself$' 30)
e2e_activate "$login"
sleep 0.5
# nina is the last user; the name is chosen.
e2e_keys Tab
e2e_type "secret1"
e2e_keys Return
e2e_wait_window '^Choose a Lesson$' 20 >/dev/null
sleep 0.5
e2e_keys Return
# The lesson's note, then the first lesson of the advanced course in the paper appearance
# with the helping keyboard and hands.
e2e_wait_windows '^Kelvane$' 2
e2e_keys Return
e2e_wait_windows '^Kelvane$' 1
sleep 0.5
e2e_screenshot "restarted.png" >/dev/null
window=$(e2e_wait_window '^Kelvane$' 10)
e2e_activate "$window"
e2e_keys alt+p x
e2e_wait_exit "$E2E_PID" 20

# --- What the files hold ----------------------------------------------------------------------
dat="$users/nina.dat"
dit="$users/nina.dit"
[ -s "$dat" ] && [ -s "$dit" ] || e2e_fail "nina's files were not written"
"$E2E_BIN/linefile" unpack "$dat" "$work/dat.txt"
"$E2E_BIN/linefile" unpack "$dit" "$work/dit.txt"
echo "e2e: nina.dat:"
cat "$work/dat.txt"
echo "e2e: nina.dit:"
cat "$work/dit.txt"
[ "$(file_line "$dat" 1)" = "nina" ] || e2e_fail "line 0 of the .dat is not the name"
grep -Eq '^\$argon2id\$v=19\$' <<<"$(file_line "$dat" 2)" || e2e_fail "the password is not hashed"
[ "$(file_line "$dat" 3)" = "00000409" ] || e2e_fail "the keyboard is not the English one"
[ "$(file_line "$dat" 4)" = "_b" ] || e2e_fail "the course is not the advanced one"
[ "$(file_line "$dat" 5)" = "$settings_text" ] || e2e_fail "the settings are not the ones chosen"
# A failed test leaves no result.
[ "$(tr -d '\r' <"$work/dat.txt" | wc -l)" -eq 5 ] || e2e_fail "the .dat holds results"
expected_details=("Nina" "Newman" "2001-02-03" "nina@example.org" "Hamburg" "Germany")
for i in "${!expected_details[@]}"; do
    got=$(file_line "$dit" $((i + 1)))
    [ "$got" = "${expected_details[$i]}" ] || e2e_fail ".dit line $i is \"$got\", not \"${expected_details[$i]}\""
done
echo "e2e: the new user, the course and the details were kept"
rm -rf "$work"
