#!/usr/bin/env bash
# Installs dependencies, builds with warnings as errors and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DQUILL_WERROR=ON
export QT_QPA_PLATFORM=offscreen
cd build && ctest --output-on-failure -j2
