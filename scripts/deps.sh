#!/usr/bin/env bash
# Installs what building, running and testing need, on Debian.
set -euo pipefail
# libcups2-dev: the shared printer's jobs and the default printer go through libcups;
# cups-daemon: the tests print through a CUPS server of their own.
# libqt6sql6-psql: the treasury's PostgreSQL server (network receipts);
# postgresql: the tests run a server of their own.
packages=(g++ cmake ninja-build qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite
          libgl1-mesa-dev sqlite3 xvfb xauth libcups2-dev cups-daemon
          libqt6sql6-psql postgresql)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
