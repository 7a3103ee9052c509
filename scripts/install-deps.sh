#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need.
# Idempotent: only what is missing is installed.
set -euo pipefail
packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-translations-l10n
  libqt6sql6-ibase libfbclient2 firebird3.0-server-core firebird3.0-utils
  libqt6sql6-odbc unixodbc tdsodbc libsqliteodbc
  fonts-liberation2
  libgtest-dev poppler-utils
  libzint-dev zbar-tools
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
