#!/usr/bin/env bash
# Installs dependencies, builds, and runs the main job: prints the sample document (address
# labels with a Code 128 barcode on an A4 sheet of 21, fed from a list of 300 Korean records)
# to build/sample.pdf, then opens the editor on the sample document when a display exists.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Only what the main job runs: the tools, the editor and the generated tables; the tests and the
# sanitizer builds are the test command's.
scripts/build.sh quilllabel-cli quilllabel quill-xls-reader quill_resources
cli=build/src/cli/quilllabel-cli
data=resources/sample/addresses.csv
# The sample document names its data list by full path, so the editor finds it too.
sed "s|\"addresses.csv\"|\"$(pwd)/$data\"|" resources/sample/sample.json >build/sample.json
"$cli" build build/sample.json -o build/sample.qbl
"$cli" print build/sample.qbl --replicate --label-data "$data" --barcode-data "$data" \
    --pdf build/sample.pdf
echo "The sample document is build/sample.qbl; its printed sheets are in $(pwd)/build/sample.pdf."
# With a display, the editor opens on the sample document (QUILL_NO_EDITOR=1 skips it).
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QUILL_NO_EDITOR:-}" ]; then
  exec build/src/app/quilllabel "$(pwd)/build/sample.qbl"
fi
echo "Open it in the editor with: build/src/app/quilllabel build/sample.qbl"
