#!/usr/bin/env bash
# A newcomer's whole test, by keyboard alone, on a real X display: Create a new Typing Test from
# a delivered text (the sheet filled by keys, the definition saved), Load Typing Test with F4,
# the typist's details, the Start dialog closed with Enter, a typed text with errors, Backspace
# corrections and Enters, a pause and its end with F5, the one-minute limit, Save Results. Then
# the saved files are read back: the definition's records, "morvik --assess" gives the counts
# the typed text must have, and the log holds one character message per key typed.
set -euo pipefail
source "$E2E_LIB"

text="$E2E_BIN/text/01_short_start.txt"
work=$(mktemp -d "${TMPDIR:-/tmp}/morvik-e2e.XXXXXX")
definition="$work/drill.mvkt"
results="$work/run.2mvk"

e2e_start morvik "$E2E_BIN/morvik"
window=$(e2e_wait_window '^Morvik$' 30)
e2e_activate "$window"
sleep 1

# --- Create a new Typing Test ---------------------------------------------------------------
e2e_keys alt+f t
e2e_wait_window '^Set parameters for the new test$' 15 >/dev/null
sleep 0.5
e2e_screenshot "create-sheet.png" >/dev/null
e2e_type "E2E drill"
e2e_keys Tab
e2e_type "Typed by xdotool."
e2e_keys ctrl+Tab
# Controls: time limit, then the text file.
e2e_keys ctrl+a
e2e_type "1"
e2e_keys Tab ctrl+a
e2e_type "$text"
e2e_keys ctrl+Tab ctrl+Tab ctrl+Tab
e2e_type "author"
e2e_keys Return
e2e_wait_window '^Save As$' 15 >/dev/null
sleep 0.5
e2e_keys ctrl+a
e2e_type "$work/drill"
e2e_keys Return
e2e_wait_file "$definition"

"$E2E_BIN/linefile" unpack "$definition" "$work/drill.txt"
for record in '^26:E2E drill\r?$' '^31:1\r?$' '^16:author\r?$' '^5:1\r?$' \
    '^23:MV[0-9]{8}_[0-9]{6}_188_01\r?$' '^The sun is up and the day is new'; do
    grep -Eq "$record" "$work/drill.txt" || e2e_fail "the definition has no record matching $record"
done
echo "e2e: the definition holds its records"

# --- Load Typing Test (F4) and the typist ---------------------------------------------------
e2e_activate "$window"
e2e_keys F4
e2e_wait_window '^Open$' 15 >/dev/null
sleep 0.5
e2e_keys ctrl+a
e2e_type "$definition"
e2e_keys Return
e2e_wait_window '^Set all these parameters$' 15 >/dev/null
sleep 0.5
e2e_screenshot "start-sheet.png" >/dev/null
# Description, Author Info, Controls, Characters, Calculation Rules, then User Info.
e2e_keys ctrl+Tab ctrl+Tab ctrl+Tab ctrl+Tab ctrl+Tab
e2e_keys ctrl+a
e2e_type "typist"
e2e_keys Tab
e2e_type "Tina"
e2e_keys Return
e2e_wait_window '^Start$' 15 >/dev/null
sleep 0.5
e2e_screenshot "start-dialog.png" >/dev/null
e2e_keys Return
sleep 0.5

# --- The run --------------------------------------------------------------------------------
# "tje" is corrected with two Backspaces; "wall" loses an l, "the" before "tree" is skipped
# and "kite" becomes "kyte".
e2e_type "The sun is up and tje"
e2e_keys BackSpace BackSpace
e2e_type "he day is new. A cat sits on the wal and"
e2e_keys Return
e2e_type "looks at the birds in tree. A boy runs down the road with"
e2e_keys F5
sleep 3
e2e_screenshot "paused.png" >/dev/null
e2e_keys F5
e2e_keys Return
e2e_type "a red kyte. His dog runs after"
e2e_screenshot "typing.png" >/dev/null

# The limit ends the run with its message.
e2e_wait_window '^Morvik$' 75 >/dev/null
sleep 0.5
e2e_screenshot "end-of-time.png" >/dev/null
e2e_keys Return
sleep 0.5
# The results follow: the Final Summary, closed with Esc.
e2e_wait_window '^Final Summary$' 15 >/dev/null
sleep 0.5
e2e_screenshot "final-summary-after-run.png" >/dev/null
e2e_keys Escape
sleep 0.5

# --- Save Results ---------------------------------------------------------------------------
e2e_activate "$window"
e2e_keys alt+f s
e2e_wait_window '^Save As$' 15 >/dev/null
sleep 0.5
e2e_keys ctrl+a
e2e_type "$work/run"
e2e_keys Return
e2e_wait_file "$results"
e2e_screenshot "saved.png" >/dev/null

e2e_activate "$window"
e2e_keys alt+f x
e2e_wait_exit "$E2E_PID" 20

# --- What the files hold ---------------------------------------------------------------------
# The typist's details and the test settings are kept for the next start.
ini="$XDG_CONFIG_HOME/zuv SOFTWARE/Morvik.ini"
for setting in '^DefaultUser=typist_USER$' '^FirstName=Tina$' '^TimeLimit=1$' \
    '^NickName=author$'; do
    grep -Eq "$setting" "$ini" || e2e_fail "the settings lack $setting"
done
grep -q "^File1=$results$" "$ini" || e2e_fail "the results are not the first recent file"

# The saved results assessed again.
json=$("$E2E_BIN/morvik" --assess "$results" --json)
echo "e2e: $json"
for field in '"typedLength":148' '"errorCount":3' '"wrongCharCount":6' '"points":152' \
    '"durationSeconds":60'; do
    grep -q "$field" <<<"$json" || e2e_fail "the assessment lacks $field"
done

"$E2E_BIN/linefile" unpack "$results" "$work/run.txt"
# The log block: delay:message:wParam:lParam: per line.
log=$(sed -n '/^24:>>>><<>>>/,/^>>>><<>>>/p' "$work/run.txt" | tr -d '\r' | sed '1d;$d')
typed_keys=$(printf '%s' "The sun is up and tje" | wc -c)
typed_keys=$((typed_keys + 2 + 40 + 1 + 57 + 1 + 30))
characters=$(grep -c '^[0-9-]*:258:' <<<"$log" || true)
others=$(grep -vc '^[0-9-]*:258:' <<<"$log" || true)
echo "e2e: $characters character messages for $typed_keys keys, $others other records"
[ "$characters" -eq "$typed_keys" ] || e2e_fail "the log has $characters character messages"
[ "$others" -eq 0 ] || e2e_fail "the log has $others other records"
# 'T' (Shift+t, keycode 28) first, Backspace (keycode 22) as 8, Enter (36) as 13.
first=$(head -n 1 <<<"$log" | cut -d: -f2-)
[ "$first" = "258:84:1310721:" ] || e2e_fail "the first record is $first"
grep -q '^[0-9]*:258:8:917505:$' <<<"$log" || e2e_fail "no Backspace record"
grep -q '^[0-9]*:258:13:1835009:$' <<<"$log" || e2e_fail "no Enter record"
grep -q '^[0-9]*:258:97:1966081:$' <<<"$log" || e2e_fail "no record of 'a' on keycode 38"
echo "e2e: the run was saved, assessed and logged as typed"
rm -rf "$work"
