#!/usr/bin/env bash
# Installs every Debian package that building, running and testing radioprog
# needs, and the packages named as arguments. Safe to run again: packages
# already present are skipped.
set -euo pipefail

packages=(
  build-essential cmake ninja-build clang libclang-rt-14-dev pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-tools-dev
  qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n qt6-svg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  socat xvfb xauth imagemagick poppler-utils fonts-wqy-microhei fonts-liberation
  dpkg-dev file desktop-file-utils appstream shared-mime-info
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
