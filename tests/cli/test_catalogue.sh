#!/usr/bin/env bash
# The catalogue commands: listing and searching products, showing a record, new documents.
# Arguments: path to quilllabel-cli, test data folder.
set -u
cli="$1"
export QUILL_DATA_HOME="$(mktemp -d)"
work="$(mktemp -d)"
trap 'rm -rf "$QUILL_DATA_HOME" "$work"' EXIT
passed=0 failed=0

check() { # name, condition...
  local name="$1"; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $name"; fi
}
# Every line of a listing has the text in its tab-separated column.
all_lines() { # column, pattern, file
  awk -F'\t' -v c="$1" -v p="$2" '$c !~ p { bad = 1 } END { exit bad || NR == 0 }' "$3"
}

"$cli" catalogue list >"$work/all" 2>"$work/err"; rc=$?
check "list exits 0" test $rc -eq 0
check "list shows over a thousand products" test "$(wc -l <"$work/all")" -gt 1000
check "list seeds the user's catalogue" test -f "$QUILL_DATA_HOME/spec.db"
check "list reports no error" bash -c "! grep -q quilllabel-cli '$work/err'"

"$cli" catalogue list --family 주소라벨 --paper 일반용지 >"$work/family"; rc=$?
check "family list exits 0" test $rc -eq 0
check "family list has QL-2121 with its count and size" \
  grep -qP '^QL-2121\t주소라벨\t일반용지\t21칸\(3\*7\)\t63\.5 \* 38\.1 mm\tR\.Rect\t' "$work/family"
check "family list holds only that family" all_lines 2 '^주소라벨$' "$work/family"
"$cli" catalogue list --family '주소 라벨' --paper 일반용지 >"$work/family2"
check "family compares without blanks" cmp -s "$work/family" "$work/family2"

"$cli" catalogue list --labels 21 >"$work/labels"
check "label count search" all_lines 4 '^21칸' "$work/labels"
check "label count search finds QL-2121" grep -q '^QL-2121	' "$work/labels"

"$cli" catalogue list --size '63.5x38.1±0.1' >"$work/size"
check "size search finds QL-2121" grep -q '^QL-2121	' "$work/size"
check "size search keeps near sizes only" awk -F'\t' '{ split($5, s, / \* /); w = s[1] + 0; h = s[2] + 0
  if (w < 63.39 || w > 63.61 || h < 37.99 || h > 38.21) bad = 1 } END { exit bad || NR == 0 }' "$work/size"
"$cli" catalogue list --grid 3x7 --paper 일반용지 >"$work/grid"
check "grid search" all_lines 4 '^21칸\(3\*7\)$' "$work/grid"

"$cli" catalogue list --paper '해외 US Letter' --family avery >"$work/avery"
check "imported products by vendor" grep -q '^Avery 5160	Avery	해외 US Letter	30칸(3\*10)' "$work/avery"

"$cli" catalogue list --size bogus >/dev/null 2>&1; rc=$?
check "bad size is a usage error" test $rc -eq 2
"$cli" catalogue list --labels >/dev/null 2>&1; rc=$?
check "option without value is a usage error" test $rc -eq 2
"$cli" catalogue >/dev/null 2>&1; rc=$?
check "catalogue alone is a usage error" test $rc -eq 2

out=$("$cli" catalogue show ql-2121); rc=$?
check "show exits 0" test $rc -eq 0
check "show prints the code" grep -qx 'Code: QL-2121' <<<"$out"
check "show prints the margins" grep -qx 'L_Margin: 7.2' <<<"$out"
check "show prints the shape" grep -qx 'Shape: R.Rect' <<<"$out"
check "show prints the count" grep -qx 'L_TOTAL: 21' <<<"$out"
check "show prints every field" test "$(grep -c ': ' <<<"$out")" -ge 22
"$cli" catalogue show NO-SUCH >/dev/null 2>&1; rc=$?
check "show of an unknown code exits 1" test $rc -eq 1

"$cli" new QL-3102 -o "$work/cassette.lbl"; rc=$?
check "new exits 0" test $rc -eq 0
check "new writes the document" test -s "$work/cassette.lbl"
if "$cli" dump "$work/cassette.lbl" >"$work/dump.json" 2>/dev/null; then
  check "the new document is on the product" grep -q '"QL-3102"' "$work/dump.json"
  check "the new document has the product family" grep -q '카세트라벨' "$work/dump.json"
fi
"$cli" new NO-SUCH -o "$work/none.lbl" >/dev/null 2>&1; rc=$?
check "new on an unknown code exits 1" test $rc -eq 1
check "new on an unknown code writes nothing" test ! -e "$work/none.lbl"
"$cli" new QL-2121 >/dev/null 2>&1; rc=$?
check "new without -o is a usage error" test $rc -eq 2

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
