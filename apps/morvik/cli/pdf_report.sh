#!/usr/bin/env bash
# morvik --pdf without any display: the report of a saved results file lands in a PDF whose text
# shows the figures and the typed text; a file that cannot be read ends with status 1 and the
# load message, and no PDF is left behind.
#   pdf_report.sh MORVIK RESULTS.2mvk WORK_FOLDER
set -euo pipefail
morvik=$1
results=$2
work=$3
mkdir -p "$work"
pdf="$work/pdf report ž.pdf"
rm -f "$pdf"

"$morvik" --pdf "$results" "$pdf"
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
[ "$pages" = 1 ] || { echo "expected one page, got $pages" >&2; exit 1; }
text=$(pdftotext -layout "$pdf" -)
for expected in "Page Number: 1" "Gross Strokes: 39" "Net Speed: 5.44 words/min." \
    "Error Rate: 12.82 %" "Number of Errors: 5" "Date of Test: 02/14/2003"; do
    if ! grep -qF -- "$expected" <<<"$(tr -s ' ' <<<"$text")"; then
        echo "missing \"$expected\" in:" >&2
        echo "$text" >&2
        exit 1
    fi
done

"$morvik" --pdf "$results" "$pdf" --unit strokes
pdftotext "$pdf" - | grep -q "strokes/min." || { echo "no strokes unit" >&2; exit 1; }

status=0
err=$("$morvik" --pdf "$work/absent.2mvk" "$work/absent.pdf" 2>&1) || status=$?
[ "$status" = 1 ] || { echo "status $status for a missing file" >&2; exit 1; }
grep -qF "The program cannot load the text from file. Check the file name, please." <<<"$err" ||
    { echo "no load message: $err" >&2; exit 1; }
[ ! -e "$work/absent.pdf" ] || { echo "a PDF was written for a missing file" >&2; exit 1; }
echo "pdf_report: ok"
