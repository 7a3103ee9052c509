#!/usr/bin/env bash
# Configures and builds into build/ (the executable is build/tl_relatorios),
# with the tests unless BUILD_TESTING=OFF is in the environment; TL_WERROR=ON
# makes warnings in the project's own code errors (as scripts/test.sh does).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
  -DBUILD_TESTING="${BUILD_TESTING:-ON}" -DTL_WERROR="${TL_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)"
