#!/usr/bin/env bash
# Installs the test build into a temporary prefix and checks the installed tree.
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${FEEDWRIGHT_BUILD_DIR:-build/test}"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/feedwright
  bin/feedwright-cdf
  share/feedwright/Feedwright.htm
  share/feedwright/Feedwright-en.htm
  share/applications/com.kestrelworks.feedwright.desktop
  share/metainfo/com.kestrelworks.feedwright.metainfo.xml
  share/mime/packages/feedwright-cdf.xml
  share/icons/hicolor/scalable/apps/feedwright.svg
  share/icons/hicolor/16x16/apps/feedwright.png
  share/icons/hicolor/48x48/apps/feedwright.png
  share/icons/hicolor/128x128/apps/feedwright.png
  share/icons/hicolor/256x256/apps/feedwright.png
  share/man/man1/feedwright.1.gz
  share/man/man1/feedwright-cdf.1.gz
  share/doc/feedwright/copyright
  share/doc/feedwright/changelog.gz
)
missing=0
for path in "${expected[@]}"; do
  if [ ! -e "$prefix/$path" ]; then
    echo "install: missing $path"
    missing=1
  fi
done
for program in bin/feedwright bin/feedwright-cdf; do
  [ -x "$prefix/$program" ] || { echo "install: $program is not executable"; missing=1; }
done
# An installed program looks for its files under the prefix only: its
# constant data names no folder of the sources, in bytes or as the UTF-16
# of a QStringLiteral.
for program in bin/feedwright bin/feedwright-cdf; do
  if objcopy -O binary --only-section=.rodata "$prefix/$program" "$prefix/rodata" &&
    { strings -a "$prefix/rodata"; strings -a -e l "$prefix/rodata"; } | grep -qF "$PWD/res"; then
    echo "install: $program holds the path $PWD/res"
    missing=1
  fi
done
[ "$missing" = 0 ] || exit 1
echo "install: ${#expected[@]} files in place under a temporary prefix, none pointing into the sources"
