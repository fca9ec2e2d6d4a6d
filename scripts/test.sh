#!/usr/bin/env bash
# Installs dependencies, builds everything (same build directory and flags as the main job, so
# after it only the tests are left to build) and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build && ctest --output-on-failure -j2
