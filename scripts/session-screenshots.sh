#!/usr/bin/env bash
# Takes the pictures of a label made by hand in the editor (tests/session/design_session.sh):
# each step of the session, the document opened again and the printed label, into
# docs/screenshots/session/. Usage:
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
if [ "$status" -eq 77 ]; then
  echo "The session needs xdotool, Xvfb, zbarimg and ImageMagick: run scripts/install-deps.sh." >&2
  exit 1
fi
[ "$status" -eq 0 ] || exit "$status"
echo "Screenshots written to $out/."
