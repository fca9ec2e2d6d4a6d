#!/usr/bin/env bash
# Takes the editor's pictures for the README and the user guide from the real windows on a
# virtual display: the sample document at 100 % and 200 %, the cell overview and the new job
# dialog, into docs/screenshots/ and resources/help/img/; every object's dialog into docs/dialogs/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh quilllabel-cli quill-screenshots quill_resources >/dev/null
cli=build/src/cli/quilllabel-cli
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
export QUILL_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# The sample document with its data lists named by their full path, so that the field labels
# show the first address.
sed "s|\"addresses.csv\"|\"$(pwd)/resources/sample/addresses.csv\"|" resources/sample/sample.json >"$home/sample.json"
"$cli" build "$home/sample.json" -o "$home/sample.qbl"
mkdir -p docs/screenshots resources/help/img
xvfb-run -a -s "-screen 0 1280x900x24" build/tools/quill-screenshots docs/screenshots "$home/sample.qbl"
cp docs/screenshots/*.png resources/help/img/
mkdir -p resources/help/img/dialogs && cp docs/dialogs/*.png resources/help/img/dialogs/
echo "Screenshots written to docs/screenshots/ and resources/help/img/."
