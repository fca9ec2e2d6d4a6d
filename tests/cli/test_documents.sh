#!/usr/bin/env bash
# End-to-end tests of the document commands: build, dump, stream, and their error exits.
# Arguments: path to quilllabel-cli, tests data directory.
set -u
CLI="$1"
DATA="$2/documents"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
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

# build -> dump -> build -> dump: the second round changes nothing. (The first build may differ
# in bytes: a serial number sizes itself to its text once it has been read.)
check "build fixture" "$CLI" build "$DATA/two_pages.json" -o "$WORK/a.lbl"
check "dump built document" sh -c "'$CLI' dump '$WORK/a.lbl' > '$WORK/a.json'"
check "build from dump" "$CLI" build "$WORK/a.json" -o "$WORK/b.lbl"
check "dump rebuilt document" sh -c "'$CLI' dump '$WORK/b.lbl' > '$WORK/b.json'"
check "dump(build(dump)) equals dump" cmp -s "$WORK/a.json" "$WORK/b.json"
check "build from second dump" "$CLI" build "$WORK/b.json" -o "$WORK/c.lbl"
check "rebuilt file is byte-identical" cmp -s "$WORK/b.lbl" "$WORK/c.lbl"

# The dump holds what the fixture gave, and creation values for the rest.
has() { grep -q -- "$1" "$WORK/a.json"; }
check "format" has '"format": 2005'
check "header zoom" has '"zoom": 150'
check "korean data list path" has '"path": "/data/주소록.mdb"'
check "grid kept as stored" has '"Gridflag": true'
check "grey grid colour kept" has '"GridColor": "clGray"'
check "page caption" has '"Caption": "Page_7"'
check "memo lines" has '"안녕하세요"'
check "shape by class" has '"class": "TZR_VantorShape"'
check "serial number" has '"code": 32'
check "six cells per page" test "$(grep -c '"TabOrder"' "$WORK/a.json")" -eq 12

# stream: the document walk with header, markers and counts.
check "stream document" sh -c "'$CLI' stream '$WORK/a.lbl' > '$WORK/s.txt'"
lists() { grep -q -- "$1" "$WORK/s.txt"; }
check "stream format" lists '^00000000  integer 2005 format'
check "stream version" lists 'text 4 bytes "v1.0" version'
check "stream work label" lists 'TPF0 TZR_WorkLabel'
check "stream page marker" lists 'integer 1100 page marker (page 2)'
check "stream cell count" lists 'integer 5 cells - 1'
check "stream object code" lists 'integer 27 object type code (TZR_TextEdit)'
check "stream empty cell" lists 'integer -1 objects - 1'
offset=$(grep -m1 'TPF0 TTabSheet' "$WORK/s.txt" | cut -c1-8)
check "stream from an offset" sh -c "'$CLI' stream '$WORK/a.lbl' --offset 0x$offset | head -1 | grep -q 'TPF0 TTabSheet'"

# Errors: exit 1 with the file named on stderr; usage errors exit 2.
expect_exit "dump missing file" 1 "$WORK/none.lbl" "$CLI" dump "$WORK/none.lbl"
head -c 40 "$WORK/a.lbl" > "$WORK/header.lbl"
expect_exit "dump file cut in the header" 1 "header.lbl" "$CLI" dump "$WORK/header.lbl"
size=$(stat -c %s "$WORK/a.lbl")
head -c $((size - 7)) "$WORK/a.lbl" > "$WORK/cut.lbl"
expect_exit "dump truncated file" 1 "cut.lbl: .*(page 2, cell [0-9]" "$CLI" dump "$WORK/cut.lbl"
check "truncated dump keeps the first page" grep -q '"Caption": "Page_1"' "$WORK/out"
expect_exit "stream truncated file" 1 "cut.lbl" "$CLI" stream "$WORK/cut.lbl"
check "stream shows where it broke" grep -q 'error at' "$WORK/out"
printf '{"pages": [' > "$WORK/bad.json"
expect_exit "build bad json" 1 "bad.json: invalid JSON" "$CLI" build "$WORK/bad.json" -o "$WORK/x.lbl"
check "failed build writes nothing" test ! -e "$WORK/x.lbl"
echo '{"workLabel": {"props": {"NoSuchProperty": 1}}}' > "$WORK/unknown.json"
expect_exit "build unknown property" 1 "NoSuchProperty" "$CLI" build "$WORK/unknown.json" -o "$WORK/x.lbl"
expect_exit "build to missing folder" 1 "$WORK/no/dir/x.lbl" "$CLI" build "$DATA/two_pages.json" -o "$WORK/no/dir/x.lbl"
expect_exit "dump unknown option" 2 "usage" "$CLI" dump --bogus "$WORK/a.lbl"
expect_exit "dump two files" 2 "usage" "$CLI" dump "$WORK/a.lbl" "$WORK/b.lbl"
expect_exit "build without output" 2 "usage" "$CLI" build "$DATA/two_pages.json"
expect_exit "build unknown option" 2 "usage" "$CLI" build "$DATA/two_pages.json" -o "$WORK/x.lbl" --zoom 3
expect_exit "stream bad offset" 2 "usage" "$CLI" stream "$WORK/a.lbl" --offset x
expect_exit "stream offset beyond the end" 1 "beyond the end" "$CLI" stream "$WORK/a.lbl" --offset 99999999
expect_exit "unknown command" 2 "unknown command" "$CLI" frobnicate

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
