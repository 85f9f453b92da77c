#!/usr/bin/env bash
# A known user's lesson, by keyboard alone, on a real X display: the user's files are prepared
# in the program's own format (linefile pack), the login picks the user, the lesson chooser
# opens at once and starts lesson 1, its text is typed with one wrong stroke, "End of the
# Lesson" is left with Exit, Program > Save Results writes the run (the name typed without an
# extension gets ".stat"), Program > Exit closes. Then the saved files are read back: the
# user's ".dat" holds the lesson's result and "kelvane --report --json" the strokes and the
# error of the run.
set -euo pipefail
source "$E2E_LIB"

work=$(mktemp -d "${TMPDIR:-/tmp}/kelvane-e2e.XXXXXX")
users="$E2E_BIN/users"
lesson="$work/lesson.txt"

# --- The prepared user ------------------------------------------------------------------------
# Lines end with CR LF as the program writes them. The password stands as typed, the way
# earlier versions kept it; the program keeps it hashed from its next save on. The settings
# show the keyboard and the hands; no lesson has a result yet.
mkdir -p "$users"
printf 'tina\r\ntypist\r\n00000409\r\n_a\r\n!0:2:0:0:1:1:1:0:70:standard:\r\n' >"$work/tina.txt"
printf 'Tina\r\nTester\r\n\r\n\r\n\r\nUnited States\r\n' >"$work/tina-details.txt"
"$E2E_BIN/linefile" pack "$work/tina.txt" "$users/tina.dat"
"$E2E_BIN/linefile" pack "$work/tina-details.txt" "$users/tina.dit"

# Lesson 1 of the course: its title, its limits and six lines of text.
"$E2E_BIN/linefile" unpack "$E2E_BIN/lessons/00000409_a.ddd" "$work/course.txt"
tr -d '\r' <"$work/course.txt" | sed -n '4,9p' >"$lesson"
[ "$(wc -l <"$lesson")" -eq 6 ] || e2e_fail "lesson 1 is not where it was expected"
text=$(tr -d '\n' <"$lesson")
strokes=${#text}
# One wrong stroke: the fifth character, a "d", typed as "x".
[ "${text:4:1}" = "d" ] || e2e_fail "lesson 1 does not begin as expected: ${text:0:10}"
typed="${text:0:4}x${text:5}"

# --- Start and login ------------------------------------------------------------------------
e2e_start kelvane "$E2E_BIN/kelvane"
login=$(e2e_wait_window '^Identify yourself$' 30)
e2e_activate "$login"
sleep 0.5
e2e_screenshot "login.png" >/dev/null
# The last user is chosen and the name edit has the focus.
e2e_keys Tab
e2e_type "typist"
e2e_keys Return

# A known user goes straight to the lesson chooser; its first lesson is chosen.
e2e_wait_window '^Choose a Lesson$' 20 >/dev/null
sleep 0.5
e2e_screenshot "lesson-chooser.png" >/dev/null
e2e_keys Return
# The note with the lesson's title.
e2e_wait_windows '^Kelvane$' 2
sleep 0.3
e2e_screenshot "note.png" >/dev/null
e2e_keys Return
e2e_wait_windows '^Kelvane$' 1
sleep 0.5

# --- The lesson -----------------------------------------------------------------------------
half=$((strokes / 2))
e2e_type "${typed:0:half}"
e2e_screenshot "typing.png" >/dev/null
e2e_type "${typed:half}"
e2e_wait_window '^End of the Lesson$' 20 >/dev/null
sleep 0.5
e2e_screenshot "end-of-lesson.png" >/dev/null
# Next Lesson has the focus; Repeat Lesson, then Exit.
e2e_keys Tab Tab space
e2e_wait_windows '^End of the Lesson$' 0

# --- Save Results and Exit by the menu --------------------------------------------------------
window=$(e2e_wait_window '^Kelvane$' 10)
e2e_activate "$window"
e2e_keys alt+p s
e2e_wait_window '^Save As$' 15 >/dev/null
sleep 0.5
e2e_screenshot "save-as.png" >/dev/null
e2e_keys ctrl+a
e2e_type "$work/run"
e2e_keys Return
e2e_wait_file "$work/run.stat"

e2e_activate "$window"
e2e_keys alt+p x
e2e_wait_exit "$E2E_PID" 20

# --- What the files hold ----------------------------------------------------------------------
"$E2E_BIN/linefile" unpack "$users/tina.dat" "$work/tina-saved.txt"
tr -d '\r' <"$work/tina-saved.txt" >"$work/dat.txt"
echo "e2e: tina.dat:"
cat "$work/dat.txt"
[ "$(sed -n 1p "$work/dat.txt")" = "tina" ] || e2e_fail "line 0 of the .dat is not the name"
grep -Eq '^\$argon2id\$' <(sed -n 2p "$work/dat.txt") || e2e_fail "the password was not hashed"
[ "$(sed -n 3p "$work/dat.txt")" = "00000409" ] || e2e_fail "the keyboard changed"
[ "$(sed -n 4p "$work/dat.txt")" = "_a" ] || e2e_fail "the course changed"
[ "$(sed -n 5p "$work/dat.txt")" = "!0:2:0:0:1:1:1:0:70:standard:" ] || e2e_fail "the settings changed"
# Lesson 1's result: time, error rate 1 of the strokes in per cent, speed, seconds, 1 attempt.
rate=$(awk -v n="$strokes" 'BEGIN { printf "%.2f", 100 / n }')
result=$(sed -n 6p "$work/dat.txt")
IFS=: read -r when error_rate speed seconds attempts rest <<<"$result"
[ "$error_rate" = "$rate" ] || e2e_fail "the result's error rate is $error_rate, not $rate"
[ "$attempts" = "1" ] || e2e_fail "the result counts $attempts attempts"
[ "$speed" -ge 60 ] || e2e_fail "the result's speed $speed is below the lesson's limit"
[ "$seconds" -ge 1 ] && [ "$when" -gt 1600000000 ] || e2e_fail "the result's time is wrong: $result"
[ "$(wc -l <"$work/dat.txt")" -eq 6 ] || e2e_fail "the .dat has other lines than lesson 1's result"

json=$("$E2E_BIN/kelvane" --report "$work/run.stat" --json)
echo "e2e: $json"
for field in "\"strokes\":$strokes," '"errors":1,' '"copiedPercent":100.0,' '"speedLimit":60,' \
    '"errorLimit":2.000,' "\"errorRate\":$rate,"; do
    grep -qF "$field" <<<"$json" || e2e_fail "the report lacks $field"
done
# The wrong stroke is booked on the "d" (100), typed as "x" (120).
grep -qF '{"char":100,' <<<"$json" || e2e_fail "the report has no line for d"
d_line=$(grep -oE '\{"char":100,[^}]*\}' <<<"$json")
grep -qF '"errors":1,"wrong":[120]' <<<"$d_line" || e2e_fail "the error is not on d: $d_line"

"$E2E_BIN/linefile" unpack "$work/run.stat" "$work/run.txt"
tr -d '\r' <"$work/run.txt" >"$work/stat.txt"
[ "$(sed -n 1p "$work/stat.txt")" = "zuv STAT 1.0" ] || e2e_fail "the results file has no header"
[ "$(sed -n 3p "$work/stat.txt")" = "tina" ] || e2e_fail "the results file is not tina's"
# One record per stroke after the eight header lines (delay, expected and, for a wrong
# stroke, typed), the fifth being d typed as x.
records=$(($(wc -l <"$work/stat.txt") - 8))
[ "$records" -eq "$strokes" ] || e2e_fail "the results file holds $records strokes, not $strokes"
sed -n 13p "$work/stat.txt" | grep -Eq '^[0-9]+:d:x:$' ||
    e2e_fail "the fifth stroke is $(sed -n 13p "$work/stat.txt")"
echo "e2e: the lesson was typed, kept in tina.dat and saved in run.stat"
rm -rf "$work"
