#!/usr/bin/env bash
# The command-line tool's basic contract: version, help, usage errors and the sample summary.
# Arguments: path to quilllabel-cli, test data folder.
set -u
cli="$1"
export QUILL_DATA_HOME="$(mktemp -d)"
trap 'rm -rf "$QUILL_DATA_HOME"' EXIT
passed=0 failed=0

check() { # name, condition...
  local name="$1"; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $name"; fi
}

out=$("$cli" --version); rc=$?
check "--version exits 0" test $rc -eq 0
check "--version names the tool" grep -q '^quilllabel-cli [0-9]' <<<"$out"

out=$("$cli" help); rc=$?
check "help exits 0" test $rc -eq 0
check "help lists commands" grep -q 'Commands:' <<<"$out"

"$cli" no-such-command >/dev/null 2>/tmp/cli_err.$$; rc=$?
check "unknown command exits 2" test $rc -eq 2
check "unknown command prints usage on stderr" grep -q 'Usage:' /tmp/cli_err.$$
rm -f /tmp/cli_err.$$

"$cli" >/dev/null 2>&1; rc=$?
check "no command exits 2" test $rc -eq 2

out=$("$cli" sample); rc=$?
check "sample exits 0" test $rc -eq 0
check "sample shows the sheet summary" grep -q '(63.5 \* 38.1 mm)' <<<"$out"
check "sample shows 21 cells" grep -q '\[21칸라벨, ' <<<"$out"
check "sample seeds the caption file" test -f "$QUILL_DATA_HOME/label.dat"

"$cli" sample extra >/dev/null 2>&1; rc=$?
check "sample with arguments exits 2" test $rc -eq 2

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
