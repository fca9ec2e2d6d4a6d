#!/usr/bin/env bash
# Printing through a real CUPS queue: a scheduler of its own with a queue that writes the job's
# PDF to a file; a two-sheet job, the printer list and its status, also while paused.
# Arguments: path to quilllabel-cli, tests data directory. Needs root (CI runs as root).
set -u
CLI="$1"
WORK="$(mktemp -d)"
chmod 755 "$WORK"
mkdir -m 777 "$WORK/out"
passed=0
failed=0
CUPSD_PID=""
CONF=/etc/cups/cups-files.conf
CONF_BACKUP=""
QUEUE=LabelFile

cleanup() {
    if [ -n "$CUPSD_PID" ]; then
        lpadmin -x "$QUEUE" 2>/dev/null
        kill "$CUPSD_PID" 2>/dev/null
        wait "$CUPSD_PID" 2>/dev/null
    fi
    if [ -n "$CONF_BACKUP" ]; then cp "$CONF_BACKUP" "$CONF"; fi
    rm -rf "$WORK"
}
trap cleanup EXIT

skip() {
    echo "SKIP: $1"
    echo "0 passed, 0 failed"
    exit 0
}

check() { # check NAME COMMAND...: the command must succeed
    local name="$1"; shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $name"; fi
}

[ "$(id -u)" -eq 0 ] || skip "starting a CUPS scheduler needs root"
[ -x /usr/sbin/cupsd ] || skip "cupsd is not installed"
command -v pdfinfo >/dev/null || skip "poppler-utils are not installed"
if lpstat -r 2>/dev/null | grep -q "is running"; then
    skip "a CUPS scheduler is already running; this test starts its own"
fi

# A file: queue needs FileDevice; the setting is put back afterwards.
if ! grep -q '^FileDevice Yes' "$CONF" 2>/dev/null; then
    CONF_BACKUP="$WORK/cups-files.conf"
    cp "$CONF" "$CONF_BACKUP" 2>/dev/null || skip "cannot read $CONF"
    echo 'FileDevice Yes' >> "$CONF"
fi

/usr/sbin/cupsd -f &
CUPSD_PID=$!
for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
done
lpstat -r 2>/dev/null | grep -q "is running" || skip "cupsd did not start"

# Without any queue the command says that no printer is installed.
if [ -z "$(lpstat -p 2>/dev/null)" ]; then
    "$CLI" printers >"$WORK/list" 2>"$WORK/err"
    check "no printer installed" test $? -eq 1
    check "no printer message" grep -q "설치된 프린터 드라이브가 없습니다" "$WORK/err"
fi

lpadmin -p "$QUEUE" -E -v "file://$WORK/out/job.prn" -m lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd \
    || skip "cannot add a file queue"

"$CLI" printers >"$WORK/list"
check "printers lists the queue" grep -q "^$QUEUE	" "$WORK/list"
check "printers shows the port" grep -q "file://$WORK/out/job.prn" "$WORK/list"
check "an idle queue is 대기상태" grep -q "^$QUEUE	.*	대기상태$" "$WORK/list"

# 30 records on 21 cells: two sheets.
{ echo "NAME"; for i in $(seq 1 30); do printf 'REC%03d\n' "$i"; done; } > "$WORK/names.csv"
cat > "$WORK/doc.json" <<JSON
{
  "labelData": {"path": "$WORK/names.csv", "table": ""},
  "workLabel": {"class": "TZR_WorkLabel", "props": {
      "LabelSize.Columns": 3, "LabelSize.Rows": 7, "LabelSize.Width": 2.5, "LabelSize.Height": 1.5,
      "LabelSize.LeftMargin": 0.2834, "LabelSize.TopMargin": 0.5945, "LabelSize.HorizSpace": 0.0984,
      "LabelSize.PageWidth": 8.2677, "LabelSize.PageHeight": 11.6929}},
  "pages": [{"cells": [{"objects": [
      {"class": "TZR_GuideLabel", "props": {"Left": 10, "Top": 10, "Width": 200, "Height": 20,
       "FieldName": "NAME", "Font.Name": "DejaVu Sans"}}]}]}]
}
JSON
check "build document" "$CLI" build "$WORK/doc.json" -o "$WORK/doc.qbl"
check "print to the queue" "$CLI" print "$WORK/doc.qbl" --printer "$QUEUE"

# Wait until the queue has written the job.
for _ in $(seq 300); do
    if [ -s "$WORK/out/job.prn" ] && [ -z "$(lpstat -o "$QUEUE" 2>/dev/null)" ]; then break; fi
    sleep 0.1
done
check "the job was written" test -s "$WORK/out/job.prn"
check "the job starts with a PJL header" sh -c "head -c 20 '$WORK/out/job.prn' | grep -aq '@PJL'"
offset=$(grep -abo '%PDF-' "$WORK/out/job.prn" | head -1 | cut -d: -f1)
[ -n "$offset" ] && tail -c +"$((offset + 1))" "$WORK/out/job.prn" > "$WORK/job.pdf"
check "the job holds a PDF" test -s "$WORK/job.pdf"
check "two sheets" test "$(pdfinfo "$WORK/job.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')" = 2
check "A4 paper, not the queue's Letter" sh -c "pdfinfo '$WORK/job.pdf' | grep -Eq 'Page size: +59[45](\.[0-9]+)? x 84[12]'"
check "sheet 2 holds records 22-30" test "$(pdftotext -f 2 -l 2 "$WORK/job.pdf" - | grep -o 'REC[0-9]*' | sort | tr '\n' ' ')" = "REC022 REC023 REC024 REC025 REC026 REC027 REC028 REC029 REC030 "

cupsdisable "$QUEUE"
"$CLI" printers >"$WORK/list"
check "a paused queue shows PAUSED" grep -q "^$QUEUE	.*	PRINTER_STATUS_PAUSED            $" "$WORK/list"
cupsenable "$QUEUE"
"$CLI" printers >"$WORK/list"
check "enabled again: 대기상태" grep -q "^$QUEUE	.*	대기상태$" "$WORK/list"

"$CLI" print "$WORK/doc.qbl" --printer NoSuchQueue 2>"$WORK/err"
check "unknown queue fails" test $? -eq 1
check "unknown queue message" grep -q "Printer name is invalid." "$WORK/err"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
