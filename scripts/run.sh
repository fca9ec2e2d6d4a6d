#!/usr/bin/env bash
# Installs dependencies, builds, and runs the main job: the editor when a display is there,
# otherwise the sample document's summary from the command-line tool.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/src/app/quilllabel "$@"
fi
exec build/src/cli/quilllabel-cli sample
