#!/usr/bin/env bash
# Builds the Debian package feedwright_VERSION_ARCH.deb: built with Debian's
# usual flags and hardening alone (CMAKE_BUILD_TYPE=None adds no -O3 of its
# own, as Debian's cmake helper does it), installed under /usr and packed by CPack.
#   scripts/package-deb.sh [OUTDIR]   writes the package into OUTDIR (default: the current folder)
#   FEEDWRIGHT_PACKAGE_BUILD_DIR      the build folder, kept between runs so that a second run
#                                     only rebuilds what changed (default build/package)
# The last line printed is the path of the package.
set -euo pipefail
outdir=$(realpath -m -- "${1:-.}")
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh

# Files and folders in the package get the usual modes whatever the caller's umask.
umask 022
build=${FEEDWRIGHT_PACKAGE_BUILD_DIR:-build/package}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Debug information would only be stripped again when packing.
export DEB_CXXFLAGS_MAINT_STRIP=-g
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
  -DFEEDWRIGHT_BUILD_GUI=ON -DFEEDWRIGHT_BUILD_TESTS=OFF -DFEEDWRIGHT_SANITIZE=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" -j "$(nproc)"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name="feedwright_${version}_$(dpkg --print-architecture).deb"
rm -f "$build/$name"
if ! log=$(cd "$build" && cpack -G DEB 2>&1); then
  echo "$log" >&2
  exit 1
fi
mkdir -p "$outdir"
mv "$build/$name" "$outdir/$name"
echo "$outdir/$name"
