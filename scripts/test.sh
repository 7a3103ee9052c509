#!/usr/bin/env bash
# Installs what is missing, builds with the tests, and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
BUILD_TESTING=ON TL_WERROR=ON bash scripts/build.sh
cd build
ctest --output-on-failure -j"$(nproc)" "$@"
cd ..
# The fuzz targets, a few seconds each, where Clang is installed.
if command -v clang++ >/dev/null; then
  bash scripts/fuzz.sh 3
fi
