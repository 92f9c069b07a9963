#!/usr/bin/env bash
# Validates the desktop entry and the MIME type with the desktop's own tools,
# when they are installed.
set -euo pipefail
cd "$(dirname "$0")/../.."

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate res/desktop/feedwright.desktop
  echo "desktop entry: valid"
else
  echo "desktop entry: desktop-file-validate not installed, not checked"
fi
if command -v xmllint >/dev/null; then
  xmllint --noout res/desktop/feedwright-cdf.xml
  echo "MIME type: well-formed"
else
  echo "MIME type: xmllint not installed, not checked"
fi
