#!/usr/bin/env bash
# The README's main job: the sample document built from its JSON and printed to PDF from the
# sample list of 300 Korean records.
# Arguments: path to quilllabel-cli, test data folder.
set -u
cli="$1"
here="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
export QUILL_DATA_HOME="$work/data"
trap 'rm -rf "$work"' EXIT
passed=0 failed=0
check() {
  local name="$1"; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $name"; fi
}
data="$here/resources/sample/addresses.csv"
"$cli" build "$here/resources/sample/sample.json" -o "$work/sample.qbl"
check "sample document builds" test -s "$work/sample.qbl"
"$cli" print "$work/sample.qbl" --replicate --label-data "$data" --barcode-data "$data" \
    --pdf "$work/sample.pdf" 2>"$work/summary.txt"
check "sample prints" test -s "$work/sample.pdf"
check "300 records on 15 sheets" grep -q "15 sheet(s) (15 page(s)), 300 label(s), 300 record(s)" "$work/summary.txt"
pages=$(pdfinfo "$work/sample.pdf" | sed -n 's/^Pages: *//p')
check "the PDF has 15 pages" test "$pages" = 15
first=$(sed -n 2p "$data" | cut -d, -f1)
last=$(tail -n 1 "$data" | cut -d, -f1)
check "first record on sheet 1" bash -c "pdftotext -f 1 -l 1 '$work/sample.pdf' - | tr -d ' \n' | grep -q '$first'"
check "last record on sheet 15" bash -c "pdftotext -f 15 -l 15 '$work/sample.pdf' - | tr -d ' \n' | grep -q '$last'"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
