#!/usr/bin/env bash
# Takes a picture of every dialog on a virtual X display (Xvfb) at 100% and
# 200% scaling, in Japanese and in English, and keeps them in
# docs/screenshots/<dialog>-100.png, <dialog>-200.png, <dialog>-en-100.png
# and <dialog>-en-200.png. Run it after changing how a dialog looks, then look at
# the pictures before committing them.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh

# An existing build directory (FEEDWRIGHT_BUILD_DIR) is used as it is configured.
build=${FEEDWRIGHT_BUILD_DIR:-build/screenshots}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFEEDWRIGHT_BUILD_TESTS=ON >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target screenshot_tool

out=docs/screenshots
mkdir -p "$out"
# The desktop's own settings must not change the pictures: the X11 platform,
# Qt's own style, and only the scale factor given here.
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_FONT_DPI
export QT_QPA_PLATFORM=xcb
for language in ja en; do
  prefix=""
  [ "$language" = ja ] || prefix="$language-"
  for percent in 100 200; do
    FEEDWRIGHT_LANG=$language QT_SCALE_FACTOR=$((percent / 100)) \
      xvfb-run -a -s "-screen 0 1600x1200x24" "$build/tests/gui/screenshot_tool" "$out" "$prefix$percent"
  done
done
