#!/usr/bin/env bash
# Configures and builds QuillLabel into build/ (Ninja, two jobs), always with the same flags so
# that the main job and the test command share one build. Usage:
#   scripts/build.sh [TARGET...]   build the named targets, or everything when none is named
# Compilations go through ccache when it is installed, so a rebuild after a small change, or a
# fresh clone on a machine that built before, takes seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
args=(-S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILL_WERROR=ON)
if command -v ccache >/dev/null 2>&1; then
  args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  # Paths inside the tree are hashed relative to it, so clones in other folders share the cache.
  export CCACHE_BASEDIR="$(pwd)" CCACHE_NOHASHDIR=1
fi
cmake "${args[@]}" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build build -j2 "${targets[@]}"
