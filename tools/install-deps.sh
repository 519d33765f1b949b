#!/usr/bin/env bash
# Installs the Debian 12 packages the program and its tests need, when missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation
  unicode-data
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev
             cups printer-driver-cups-pdf poppler-utils python3 valgrind)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
