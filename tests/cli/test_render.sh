#!/usr/bin/env bash
# End-to-end tests of quilllabel-cli render and fonts: cells drawn into PNG files, checked by
# image size and pixels.
# Arguments: path to quilllabel-cli, tests data directory.
set -u
CLI="$1"
HERE="$(cd "$(dirname "$0")" && pwd)"
PROBE="python3 $HERE/png_probe.py"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
passed=0
failed=0

check() { # check NAME COMMAND...: the command must succeed
    local name="$1"; shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $name"; fi
}

expect_exit() { # expect_exit NAME CODE COMMAND...
    local name="$1" code="$2"; shift 2
    "$@" >"$WORK/out" 2>"$WORK/err"
    local rc=$?
    if [ "$rc" -eq "$code" ] && [ -s "$WORK/err" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $name (exit $rc, expected $code; stderr: $(head -c 300 "$WORK/err"))"
    fi
}

is() { # is EXPECTED COMMAND...: the command's output equals EXPECTED
    local expected="$1"; shift
    local actual
    actual="$("$@")"
    [ "$actual" = "$expected" ] || { echo "  got '$actual', expected '$expected'"; return 1; }
}

darkright() { # darkright PNG: right edge of the dark pixels
    $PROBE "$1" darkbox | cut -d' ' -f3
}

# A 2.5 x 1.5 inch sheet; cell 1 holds a yellow opaque text box and a field label bound to
# "name", cell 2 a serial number.
cat > "$WORK/doc.json" <<'JSON'
{"zoom": 100,
 "workLabel": {"class": "TZR_WorkLabel", "props": {
   "LabelSize.LabelCode": "T-1", "LabelSize.Height": 1.5, "LabelSize.Width": 2.5,
   "LabelSize.Columns": 2, "LabelSize.Rows": 2, "LabelSize.PageWidth": 8.27,
   "LabelSize.PageHeight": 11.69, "LabelSize.Color": "clWhite"}},
 "pages": [{"cells": [
   {"objects": [
     {"code": 27, "props": {"Left": 10, "Top": 10, "Width": 60, "Height": 30,
       "Transparent": false, "Brush.Color": "clYellow", "Pen.Style": "psClear"}},
     {"code": 28, "props": {"Left": 10, "Top": 60, "Width": 220, "Height": 30,
       "Caption": "Caption", "FieldName": "name", "ADDHono": "WW",
       "Font.Name": "DejaVu Sans", "Font.Height": -20}}]},
   {"objects": [
     {"code": 32, "props": {"Left": 5, "Top": 5, "Width": 100, "Height": 25,
       "Prefix": "No.", "StartNum": 7}}]}]}]}
JSON
check "build document" "$CLI" build "$WORK/doc.json" -o "$WORK/doc.lbl"
printf 'name,city\nWWWWWWWWWW,Seoul\n,Busan\n' > "$WORK/people.csv"

# The cell with its work label: cell, outline and shadow at 100 % and at 200 %.
check "render 100" "$CLI" render "$WORK/doc.lbl" -o "$WORK/c100.png"
check "size at 100" is "244 148" $PROBE "$WORK/c100.png" size
check "text box fill" is "255 255 0" $PROBE "$WORK/c100.png" pixel 20 20
check "cell outline" is "0 0 0" $PROBE "$WORK/c100.png" pixel 0 100
check "shadow" is "160 160 160" $PROBE "$WORK/c100.png" pixel 242 100
check "render 200" "$CLI" render "$WORK/doc.lbl" --zoom 200 -o "$WORK/c200.png"
check "size at 200" is "487 295" $PROBE "$WORK/c200.png" size
check "text box at 200" is "255 255 0" $PROBE "$WORK/c200.png" pixel 40 40
check "render without work label" "$CLI" render "$WORK/doc.lbl" --no-work-label -o "$WORK/bare.png"
check "size without work label" is "240 144" $PROBE "$WORK/bare.png" size

# The field label shows the caption without data, the record's value and honorific with it,
# and the empty-field text for an empty value.
caption_right=$(darkright "$WORK/bare.png")
check "caption drawn" test "$caption_right" -lt 120
check "render record 1" "$CLI" render "$WORK/doc.lbl" --no-work-label \
    --label-data "$WORK/people.csv" --record 1 -o "$WORK/r1.png"
check "record value is drawn" test "$(darkright "$WORK/r1.png")" -gt 200
check "render record 2" "$CLI" render "$WORK/doc.lbl" --no-work-label \
    --label-data "$WORK/people.csv" --record 2 --dbnull "" -o "$WORK/r2.png"
check "honorific alone" test "$(darkright "$WORK/r2.png")" -lt 60
check "serial number drawn" "$CLI" render "$WORK/doc.lbl" --cell 2 --no-work-label -o "$WORK/s.png"
check "serial number ink" test "$($PROBE "$WORK/s.png" darkbox)" != "none"

# Errors: usage faults exit 2, missing things 1, and no file is left behind.
expect_exit "no output" 2 "$CLI" render "$WORK/doc.lbl"
expect_exit "bad zoom" 2 "$CLI" render "$WORK/doc.lbl" --zoom 0 -o "$WORK/x.png"
expect_exit "missing document" 1 "$CLI" render "$WORK/none.lbl" -o "$WORK/x.png"
expect_exit "no such cell" 1 "$CLI" render "$WORK/doc.lbl" --cell 5 -o "$WORK/x.png"
expect_exit "record past the end" 1 "$CLI" render "$WORK/doc.lbl" \
    --label-data "$WORK/people.csv" --record 3 -o "$WORK/x.png"
check "no output after failures" test ! -e "$WORK/x.png"

# fonts lists the substitutions in force.
check "fonts" sh -c "'$CLI' fonts > '$WORK/fonts.txt'"
check "굴림 is drawn with Nanum Gothic" grep -q '^굴림 -> NanumGothic' "$WORK/fonts.txt"
check "바탕 is drawn with Nanum Myeongjo" grep -q '^바탕 -> NanumMyeongjo' "$WORK/fonts.txt"
check "Arial is listed" grep -q '^Arial -> ' "$WORK/fonts.txt"

echo "render: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
