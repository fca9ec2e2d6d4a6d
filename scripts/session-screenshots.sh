#!/usr/bin/env bash
# Takes the pictures of a label made by hand in the editor (tests/session/design_session.sh):
# each step of the session, the document opened again and the printed label, into
# docs/screenshots/session/; and, from an office user's print job
# (tests/session/office_session.sh), the data list manager with rows chosen and its send window
# as docs/datalists-manager.png and docs/datalists-send.png. Usage:
#   scripts/session-screenshots.sh             build build/ first, then run the session
#   scripts/session-screenshots.sh BUILD_DIR   run the session on a build directory as it is
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -ge 1 ]; then
  build="$1"
else
  scripts/build.sh quilllabel quilllabel-cli quill_resources quill-xls-reader >/dev/null
  build=build
fi
out=docs/screenshots/session
mkdir -p "$out"
status=0
tests/session/design_session.sh "$build" "$out" || status=$?
if [ "$status" -eq 0 ]; then
  SCREENSHOT_DIR=docs tests/session/office_session.sh "$build" || status=$?
fi
if [ "$status" -eq 77 ]; then
  echo "The sessions need xdotool, Xvfb, zbarimg, ImageMagick, pdftotext and python3:" \
    "run scripts/install-deps.sh." >&2
  exit 1
fi
[ "$status" -eq 0 ] || exit "$status"
echo "Screenshots written to $out/ and docs/datalists-manager.png, docs/datalists-send.png."
