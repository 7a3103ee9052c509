#!/usr/bin/env bash
# Builds the Debian package build/package/tl-relatorios_<version>_amd64.deb:
# the program in /opt/tl_relatorios (with the example images, TL.ini.exemplo
# and an empty layouts/ folder) and the link /usr/bin/tl_relatorios.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# An existing build tree keeps its settings; a new one builds the program only.
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build build --target tl_relatorios -j"$(nproc)"
rm -rf build/package
(cd build && cpack -G DEB -B "$PWD/package" >/dev/null)
rm -rf build/package/_CPack_Packages
deb=$(ls build/package/tl-relatorios_*_amd64.deb)
echo "$deb"
dpkg-deb -f "$deb" Package Version Depends
echo "Instalar: sudo apt-get install ./$deb"
