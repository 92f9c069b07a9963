#!/usr/bin/env bash
# Validates the desktop entry, the MIME type and the AppStream metadata (as
# the build fills it in) with the desktop's own tools, when they are installed.
set -euo pipefail
cd "$(dirname "$0")/../.."

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate res/desktop/com.kestrelworks.feedwright.desktop
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
if command -v appstreamcli >/dev/null; then
  # Offline: the screenshots' addresses are not fetched.
  appstreamcli validate --pedantic --no-net \
    "${FEEDWRIGHT_BUILD_DIR:-build/test}/res/com.kestrelworks.feedwright.metainfo.xml"
  echo "AppStream metadata: valid"
else
  echo "AppStream metadata: appstreamcli not installed, not checked"
fi
# Each screenshot the metadata names is one of docs/screenshots.
for picture in $(sed -n 's|.*<image[^>]*>.*/\([^/<]*\)</image>.*|\1|p' res/desktop/com.kestrelworks.feedwright.metainfo.xml.in); do
  [ -f "docs/screenshots/$picture" ] || { echo "AppStream metadata: no docs/screenshots/$picture" >&2; exit 1; }
done
