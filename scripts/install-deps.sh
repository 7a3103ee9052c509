#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need.
# Idempotent: only what is missing is installed.
set -euo pipefail
packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-translations-l10n
  libqt6sql6-ibase libfbclient2 firebird3.0-server-core firebird3.0-utils
  firebird3.0-server
  libqt6sql6-odbc unixodbc tdsodbc libsqliteodbc
  fonts-liberation2
  libgtest-dev poppler-utils
  libqt6svg6 locales dpkg-dev
  libcups2-dev cups-daemon
  libzint-dev zbar-tools
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
  # The server package is here for its binary and security-database script:
  # the tests start private instances. The system service is not wanted.
  if [[ " ${missing[*]} " == *" firebird3.0-server "* ]]; then
    $SUDO systemctl disable --now firebird3.0 >/dev/null 2>&1 ||
      $SUDO service firebird3.0 stop >/dev/null 2>&1 || true
  fi
fi

# The users' locale, so that scripts and the program can run under it.
if ! locale -a 2>/dev/null | grep -qix 'pt_BR\.utf-\?8'; then
  echo "Generating the pt_BR.UTF-8 locale"
  if grep -q '^[# ]*pt_BR.UTF-8 UTF-8' /etc/locale.gen; then
    $SUDO sed -i 's/^[# ]*pt_BR.UTF-8 UTF-8.*/pt_BR.UTF-8 UTF-8/' /etc/locale.gen
  else
    echo 'pt_BR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen >/dev/null
fi
