#!/usr/bin/env bash
# Installs what is missing, builds a Release build and starts feedwright
# with the given arguments (a .cdf file to open, for example).
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display: feedwright is a desktop program and needs an X11 or Wayland session (DISPLAY or WAYLAND_DISPLAY is not set)." >&2
  exit 1
fi

scripts/ensure-packages.sh

scripts/build-release.sh
exec build/release/src/gui/feedwright "$@"
