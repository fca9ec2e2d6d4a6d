#!/usr/bin/env bash
# End-to-end tests of print --pdf and preview: sheets, records, part print, copies, offsets,
# sheet ranges, and the error exits for missing data lists and bad arguments.
# Arguments: path to quilllabel-cli, tests data directory.
set -u
CLI="$1"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
# The user's settings (the print dialogs' offsets) live in a folder of the test's own.
export XDG_CONFIG_HOME="$WORK/config"
passed=0
failed=0

check() { # check NAME COMMAND...: the command must succeed
    local name="$1"; shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $name"; fi
}

expect_exit() { # expect_exit NAME CODE STDERR-PATTERN COMMAND...
    local name="$1" code="$2" pattern="$3"; shift 3
    "$@" >"$WORK/out" 2>"$WORK/err"
    local rc=$?
    if [ "$rc" -eq "$code" ] && grep -q -- "$pattern" "$WORK/err"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $name (exit $rc, expected $code; stderr: $(head -c 300 "$WORK/err"))"
    fi
}

if ! command -v pdftotext >/dev/null || ! command -v pdfinfo >/dev/null; then
    echo "SKIP: poppler-utils (pdftotext, pdfinfo) are not installed"
    echo "0 passed, 0 failed"
    exit 0
fi

pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
# The REC numbers on page N of a PDF, one line, sorted.
recs() { pdftotext -f "$2" -l "$2" "$1" - | grep -o 'REC[0-9]\{3\}' | sed 's/REC0*//' | sort -n | tr '\n' ' '; }
seqline() { seq "$1" "$2" | tr '\n' ' '; }
# x position (points) of the first word matching $2 on page 1.
word_x() { pdftotext -bbox -f 1 -l 1 "$1" - | grep ">$2<" | head -1 | sed 's/.*xMin="\([0-9.]*\)".*/\1/'; }

# 50 records; a 3 x 7 A4 sheet whose current cell holds a field label bound to NAME.
{ echo "NAME"; for i in $(seq 1 50); do printf 'REC%03d\n' "$i"; done; } > "$WORK/names.csv"
{ echo "NAME"; for i in $(seq 101 105); do printf 'REC%03d\n' "$i"; done; } > "$WORK/other.csv"
make_doc() { # make_doc OUT.lbl DATA-PATH
    cat > "$WORK/doc.json" <<JSON
{
  "labelData": {"path": "$2", "table": ""},
  "workLabel": {"class": "TZR_WorkLabel", "props": {
      "LabelSize.LabelCode": "T-21", "LabelSize.Columns": 3, "LabelSize.Rows": 7,
      "LabelSize.Width": 2.5, "LabelSize.Height": 1.5, "LabelSize.LeftMargin": 0.2834,
      "LabelSize.TopMargin": 0.5945, "LabelSize.HorizSpace": 0.0984,
      "LabelSize.PageWidth": 8.2677, "LabelSize.PageHeight": 11.6929}},
  "pages": [{"cells": [{"objects": [
      {"class": "TZR_GuideLabel", "props": {"Left": 10, "Top": 10, "Width": 200, "Height": 20,
       "FieldName": "NAME", "Caption": "NAME", "Font.Name": "DejaVu Sans"}}]}]}]
}
JSON
    "$CLI" build "$WORK/doc.json" -o "$1"
}
check "build document" make_doc "$WORK/doc.qbl" "$WORK/names.csv"

check "print whole run" "$CLI" print "$WORK/doc.qbl" --pdf "$WORK/all.pdf"
check "three sheets" test "$(pages "$WORK/all.pdf")" = 3
check "sheet 3 holds records 43-50" test "$(recs "$WORK/all.pdf" 3)" = "$(seqline 43 50)"

"$CLI" print "$WORK/doc.qbl" --start 5 --pdf "$WORK/from5.pdf" 2>"$WORK/summary"
check "summary names sheets, labels, records" grep -q "printed 3 sheet(s) (3 page(s)), 50 label(s), 50 record(s)" "$WORK/summary"
check "from cell 5: sheet 1 holds 1-17" test "$(recs "$WORK/from5.pdf" 1)" = "$(seqline 1 17)"
check "from cell 5: sheet 2 holds 18-38" test "$(recs "$WORK/from5.pdf" 2)" = "$(seqline 18 38)"

check "part print" "$CLI" print "$WORK/doc.qbl" --start 15 --count 10 --pdf "$WORK/part.pdf"
check "part print: two sheets" test "$(pages "$WORK/part.pdf")" = 2
check "part print: sheet 2 holds 8-10" test "$(recs "$WORK/part.pdf" 2)" = "$(seqline 8 10)"

check "copies" "$CLI" print "$WORK/doc.qbl" --copies 2 --pdf "$WORK/copies.pdf"
check "copies: every sheet twice" test "$(pages "$WORK/copies.pdf")" = 6
check "copies: page 2 repeats sheet 1" test "$(recs "$WORK/copies.pdf" 2)" = "$(seqline 1 21)"

check "sheet range" "$CLI" print "$WORK/doc.qbl" --sheets 2-2 --pdf "$WORK/range.pdf"
check "sheet range: one page with sheet 2" test "$(recs "$WORK/range.pdf" 1)" = "$(seqline 22 42)"

check "other data list" "$CLI" print "$WORK/doc.qbl" --label-data "$WORK/other.csv" --pdf "$WORK/other.pdf"
check "other data list: its records" test "$(recs "$WORK/other.pdf" 1)" = "$(seqline 101 105)"

# The offsets are the dialog's: 0 prints 1.0 mm right, 5 prints 6.0 mm right.
"$CLI" print "$WORK/doc.qbl" --pdf "$WORK/o0.pdf" 2>/dev/null
"$CLI" print "$WORK/doc.qbl" --offset-left 5 --pdf "$WORK/o5.pdf" 2>/dev/null
x0=$(word_x "$WORK/o0.pdf" REC001); x5=$(word_x "$WORK/o5.pdf" REC001)
check "offset 5 mm moves the text 5 mm" awk -v a="$x0" -v b="$x5" 'BEGIN { d = b - a - 5 * 72 / 25.4; exit !(a > 0 && d < 0.1 && d > -0.1) }'
# Without --offset-* the offsets the print dialogs saved apply, with the dialog's additions.
mkdir -p "$XDG_CONFIG_HOME/TALVERO"
printf '[QuillLabel]\nLeftMargin=5\nTopMargin=0\n' >"$XDG_CONFIG_HOME/TALVERO/QuillLabel.conf"
"$CLI" print "$WORK/doc.qbl" --pdf "$WORK/saved5.pdf" 2>/dev/null
rm "$XDG_CONFIG_HOME/TALVERO/QuillLabel.conf"
check "saved offsets apply by default" test "$(word_x "$WORK/saved5.pdf" REC001)" = "$x5"
# The field label's text starts at the sheet's margin + 1.0 mm + its Left (10 px = 7.5 pt) and a
# small inset (2.2 pt here); without the 1.0 mm it would start 2.8 pt further left.
check "offset 0 still adds 1.0 mm" awk -v a="$x0" 'BEGIN { m = 0.2834 * 72 + 72 / 25.4 + 7.5; exit !(a >= m && a < m + 3) }'

check "preview" "$CLI" preview "$WORK/doc.qbl" --sheet 2 -o "$WORK/sheet2.png"
check "preview is a PNG" sh -c "head -c 8 '$WORK/sheet2.png' | grep -q PNG"
expect_exit "preview beyond the last sheet" 1 "3 sheet" "$CLI" preview "$WORK/doc.qbl" --sheet 4 -o "$WORK/x.png"

check "document with a missing list" make_doc "$WORK/missing.qbl" "$WORK/gone.csv"
# A quantity column: each record printed as many times as it says.
printf 'NAME,QTY\nREC001,2\nREC002,0\nREC003,3\n' > "$WORK/qty.csv"
"$CLI" print "$WORK/doc.qbl" --label-data "$WORK/qty.csv" --quantity-field qty --pdf "$WORK/qty.pdf" 2>"$WORK/summary"
check "quantity field: five labels" grep -q "5 label(s)" "$WORK/summary"
check "quantity field: REC001 twice, REC003 three times" \
    test "$(pdftotext "$WORK/qty.pdf" - | grep -o 'REC00[0-9]' | sort | uniq -c | awk '{print $2 "x" $1}' | tr '\n' ' ')" = "REC001x2 REC003x3 "
printf 'NAME,QTY\nREC001,2\nREC002,lots\n' > "$WORK/badqty.csv"
expect_exit "quantity field: a value that is no whole number" 1 "2번째 자료" \
    "$CLI" print "$WORK/doc.qbl" --label-data "$WORK/badqty.csv" --quantity-field QTY --pdf "$WORK/bad.pdf"
expect_exit "quantity field: no such field" 1 "NOPE" \
    "$CLI" print "$WORK/doc.qbl" --quantity-field NOPE --pdf "$WORK/bad.pdf"
check "quantity field: no PDF after a refusal" test ! -e "$WORK/bad.pdf"

expect_exit "missing data list" 1 "gone.csv" "$CLI" print "$WORK/missing.qbl" --pdf "$WORK/x.pdf"
check "failed print writes nothing" test ! -e "$WORK/x.pdf"
expect_exit "missing printer" 1 "Printer name is invalid\|프린터" "$CLI" print "$WORK/doc.qbl" --printer NoSuchQueue
expect_exit "pdf and printer together" 2 "usage" "$CLI" print "$WORK/doc.qbl" --pdf a.pdf --printer P
expect_exit "no output" 2 "usage" "$CLI" print "$WORK/doc.qbl"
expect_exit "bad count" 2 "usage" "$CLI" print "$WORK/doc.qbl" --count 0 --pdf a.pdf
expect_exit "bad sheets" 2 "usage" "$CLI" print "$WORK/doc.qbl" --sheets 3-1 --pdf a.pdf

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
