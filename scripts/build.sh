#!/usr/bin/env bash
# Configures and builds into build/ (the executable is build/tl_relatorios),
# with the tests unless BUILD_TESTING=OFF is in the environment.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
  -DBUILD_TESTING="${BUILD_TESTING:-ON}" >/dev/null
cmake --build build -j"$(nproc)"
