#!/usr/bin/env bash
# quilllabel-cli data: tables, show (CSV with filters and order) and convert between formats.
# Arguments: path to quilllabel-cli, test data folder.
set -u
cli="$1"
work="$(mktemp -d)"
export QUILL_DATA_HOME="$work/home"
trap 'rm -rf "$work"' EXIT
passed=0 failed=0

check() { # name, condition...
  local name="$1"; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $name"; fi
}

# A UTF-8 list with Korean text, a quoted comma, a doubled quote and an apostrophe.
printf '이름,도시,번호\n홍길동,서울,3\n"Kim, O'"'"'Neil",부산,1\n"say ""hi""",서울,2\n' >"$work/people.csv"

out=$("$cli" data tables "$work/people.csv"); rc=$?
check "tables exits 0" test $rc -eq 0
check "tables lists the text file" test "$out" = "people.csv"

out=$("$cli" data show "$work/people.csv"); rc=$?
check "show exits 0" test $rc -eq 0
check "show prints the header" test "$(head -1 <<<"$out")" = "이름,도시,번호"
check "show quotes values with commas" grep -qF '"Kim, O'"'"'Neil",부산,1' <<<"$out"
check "show prints every record" test "$(wc -l <<<"$out")" -eq 4

out=$("$cli" data show "$work/people.csv" --where 도시=서울 --order 번호:desc)
check "where and descending order" test "$(tail -n +2 <<<"$out" | cut -d, -f1 | tr '\n' '|')" = '홍길동|"say ""hi"""|'
out=$("$cli" data show "$work/people.csv" --like "이름=%O'N%")
check "like with an apostrophe" test "$(wc -l <<<"$out")" -eq 2
out=$("$cli" data show "$work/people.csv" --where '이름=say "hi"')
check "where with a double quote" test "$(wc -l <<<"$out")" -eq 2
out=$("$cli" data show "$work/people.csv" --order 번호 --limit 1)
check "limit" test "$(tail -1 <<<"$out")" = '"Kim, O'"'"'Neil",부산,1'

for ext in db dbf xlsx sqlite txt; do
  "$cli" data convert "$work/people.csv" "$work/people.$ext" >/dev/null; rc=$?
  check "convert to .$ext exits 0" test $rc -eq 0
  out=$("$cli" data show "$work/people.$ext" --order 번호)
  check "the .$ext list reads back" test "$(sed -n 2p <<<"$out")" = '"Kim, O'"'"'Neil",부산,1'
done

"$cli" data convert "$work/people.csv" "$work/people.sqlite:주소록" >/dev/null
out=$("$cli" data tables "$work/people.sqlite")
check "a named table joins the sqlite file" test "$(tr '\n' ' ' <<<"$out")" = "people 주소록 "
out=$("$cli" data show "$work/people.sqlite:주소록" --where 번호=3)
check "FILE:TABLE picks the table" test "$(tail -1 <<<"$out")" = "홍길동,서울,3"

"$cli" data convert "$work/people.csv" "$work/people.mdb" >/dev/null 2>"$work/err"; rc=$?
check "writing Access fails with exit 1" test $rc -eq 1
check "writing Access offers other formats" grep -q '.dbf' "$work/err"
check "no pretend Access file" test ! -e "$work/people.mdb"

# A header repeating a name and leaving one out, and a row longer than the header: the list
# opens, the names are made unique and every change is a warning line.
printf 'RED,,red\n1,2,3,4\n' >"$work/odd.csv"
out=$("$cli" data show "$work/odd.csv" 2>"$work/err"); rc=$?
check "odd header opens" test $rc -eq 0
check "odd header names" test "$(head -1 <<<"$out")" = "RED,F2,red_2,F4"
check "long row kept whole" test "$(tail -1 <<<"$out")" = "1,2,3,4"
check "one warning per change" test "$(grep -c ': warning: ' "$work/err")" -eq 3
check "no query engine wording" test "$(grep -ci 'duplicate column\|unable to execute' "$work/err")" -eq 0
"$cli" data convert "$work/people.csv" "$work/people2.accdb" >/dev/null 2>"$work/err"; rc=$?
check "writing Access 2007+ fails with exit 1" test $rc -eq 1
check "writing Access 2007+ names it" grep -qF '*.accdb' "$work/err"

head -c 300 /dev/urandom >"$work/broken.dbf"
"$cli" data show "$work/broken.dbf" >/dev/null 2>"$work/err"; rc=$?
check "a damaged file fails with exit 1" test $rc -eq 1
check "the error names the file" grep -q 'broken.dbf' "$work/err"
"$cli" data show "$work/people.csv" --order nosuchfield >/dev/null 2>&1; rc=$?
check "an unknown field fails with exit 1" test $rc -eq 1
"$cli" data show >/dev/null 2>&1; rc=$?
check "show without FILE is a usage error" test $rc -eq 2
"$cli" data frobnicate >/dev/null 2>&1; rc=$?
check "unknown subcommand is a usage error" test $rc -eq 2
"$cli" data show "$work/people.csv" --limit x >/dev/null 2>&1; rc=$?
check "bad --limit is a usage error" test $rc -eq 2

fixtures="$(dirname "$0")/../../../shared/data/fixtures"
if [ -f "$fixtures/access/nwind.mdb" ]; then
  first=$("$cli" data tables "$fixtures/access/nwind.mdb" | head -1)
  check "mdb fixture lists tables" test -n "$first"
  "$cli" data show "$fixtures/access/nwind.mdb:$first" --limit 2 >/dev/null; rc=$?
  check "mdb fixture table shows" test $rc -eq 0
fi

echo "$passed passed, $failed failed"
test "$failed" -eq 0
