#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# when any of them is missing. Sourced by run.sh and test.sh.
set -euo pipefail

FEEDWRIGHT_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-translations-l10n qt6-qpa-plugins libgl-dev
  qt6-tools-dev qt6-l10n-tools
  fonts-noto-cjk
  libxml2-dev
  libgtest-dev libgmock-dev libbenchmark-dev python3-feedparser
  clang libclang-rt-14-dev
  xvfb xauth appstream
  desktop-file-utils libxml2-utils jq
  time
  dpkg-dev file lintian groff-base man-db
)

missing=()
for package in "${FEEDWRIGHT_PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
