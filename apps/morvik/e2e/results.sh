#!/usr/bin/env bash
# Morvik's results by keys alone on a real X display: a results file named on the command line
# opens with its "Final Summary"; File > Print to PDF writes the report through the save
# dialog; File > Compare two text files assesses two texts; File > Save User Text writes the
# typed text. Every file written is checked.
#   results.sh RESULTS.2mvk
set -euo pipefail
source "$E2E_LIB"
results=$1
work="$HOME/work"
mkdir -p "$work"
cp "$results" "$work/run.2mvk"

# The typed text of the results file: record 8 of its lines, joined with CR LF.
"$E2E_BIN/linefile" unpack "$work/run.2mvk" "$work/records.txt"
awk 'BEGIN { ORS = "" } /^8:>>>><<>>>/ { inside = 1; next }
     inside && /^>>>><<>>>/ { exit } inside { print (n++ ? "\r\n" : "") $0 }' \
    "$work/records.txt" | tr -d '\r' | sed -z 's/\n/\r\n/g' >"$work/expected-typed.txt"

# Types into the dialog with the focus, then Enter; the file dialog takes a whole path.
save_as() {
    e2e_wait_window "$1" 20 >/dev/null
    sleep 0.5
    e2e_keys ctrl+a
    e2e_type "$2"
    e2e_keys Return
}

e2e_start morvik "$E2E_BIN/morvik" "$work/run.2mvk"
e2e_wait_window '^Final Summary$' 30 >/dev/null
sleep 0.5
e2e_screenshot "final-summary.png" >/dev/null
e2e_keys Escape
main=$(e2e_wait_window '^Morvik - ' 10)
e2e_activate "$main"
sleep 0.5
e2e_screenshot "assessed-text.png" >/dev/null

# File > Print to PDF.
e2e_keys alt+f d
save_as '^Save As$' "$work/report"
for _ in $(seq 1 50); do
    [ -s "$work/report.pdf" ] && break
    sleep 0.1
done
pdftotext -layout "$work/report.pdf" - >"$work/report.txt"
for expected in "Page Number: 1" "Gross Strokes:" "Net Speed:" "Number of Errors:"; do
    if ! tr -s ' ' <"$work/report.txt" | grep -qF "$expected"; then
        echo "e2e: the report lacks \"$expected\"" >&2
        cat "$work/report.txt" >&2
        exit 1
    fi
done
echo "e2e: report.pdf has $(pdfinfo "$work/report.pdf" | awk '/^Pages:/ { print $2 }') page(s)"

# File > Save User Text: the typed text of the results, byte for byte.
e2e_activate "$main"
e2e_keys alt+f u
save_as '^Save As$' "$work/typed-run.txt"
sleep 0.5
cmp "$work/typed-run.txt" "$work/expected-typed.txt"
echo "e2e: the typed text of the run was saved"

# File > Compare two text files, by keys in its sheet.
printf 'One two three.\nFour five.\n' >"$work/original.txt"
printf 'One tow three.\nFour five.\n' >"$work/alternative.txt"
e2e_activate "$main"
e2e_keys alt+f c
e2e_wait_window '^Select parameters for comparison$' 20 >/dev/null
sleep 0.5
e2e_keys ctrl+a
e2e_type "$work/original.txt"
e2e_keys Tab Tab ctrl+a
e2e_type "$work/alternative.txt"
e2e_keys Return
e2e_wait_window '^Final Summary$' 20 >/dev/null
sleep 0.5
e2e_screenshot "comparison-summary.png" >/dev/null
e2e_keys Return
title=$(xdotool getwindowname "$main")
if [ "$title" != "Morvik - $work/original.txt - $work/alternative.txt" ]; then
    echo "e2e: the title is \"$title\"" >&2
    exit 1
fi
e2e_activate "$main"
e2e_keys alt+f u
save_as '^Save As$' "$work/typed-comparison.txt"
sleep 0.5
printf 'One tow three.\r\nFour five.' | cmp - "$work/typed-comparison.txt"
echo "e2e: the compared text was saved"

e2e_activate "$main"
e2e_keys alt+F4
e2e_wait_exit "$E2E_PID" 20
