#!/usr/bin/env bash
# Builds the Debian package and checks it: its control fields, that it holds
# exactly what `cmake --install` installs, lintian's verdict (when lintian is
# installed), and that feedwright-cdf runs from a root the package is unpacked
# into. Skipped (with a note) where dpkg-deb is missing.
set -euo pipefail
cd "$(dirname "$0")/../.."

for tool in dpkg-deb dpkg-shlibdeps dpkg-buildflags; do
  if ! command -v "$tool" >/dev/null; then
    echo "package: $tool not installed; the Debian package is not built"
    exit 0
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build=${FEEDWRIGHT_PACKAGE_BUILD_DIR:-build/package}
FEEDWRIGHT_PACKAGE_BUILD_DIR="$build" scripts/package-deb.sh "$work/out"
debs=("$work"/out/feedwright_*.deb)
[ "${#debs[@]}" = 1 ] && [ -e "${debs[0]}" ] || { echo "package: scripts/package-deb.sh left no single package"; exit 1; }
deb=${debs[0]}

failed=0
fail() { echo "package: $*"; failed=1; }

# Control fields.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = feedwright ] || fail "Package is '$(field Package)', not feedwright"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', project() says $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = web ] || fail "Section is '$(field Section)', not web"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
# libqt6widgets6 and libc6 come from the binaries, the others are loaded at run time.
for package in libc6 libqt6widgets6 fonts-noto-cjk qt6-translations-l10n; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done

# The package holds what the install tree holds, no more and no less.
cmake --install "$build" --prefix "$work/tree/usr" >/dev/null
(cd "$work/tree" && find . \( -type f -o -type l \) | sed 's|^\./|/|' | sort) >"$work/installed"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort >"$work/packaged"
if ! diff -u "$work/installed" "$work/packaged" >"$work/diff"; then
  fail "contents differ from the install tree (- installed only, + packaged only):"
  sed -n '3,$p' "$work/diff"
fi

# Software centres find the program through its AppStream metadata.
grep -qx /usr/share/metainfo/com.kestrelworks.feedwright.metainfo.xml "$work/packaged" ||
  fail "no AppStream metadata in /usr/share/metainfo"

# Each version gets its entry in the package's changelog.
changelog_version=$(sed -n '1s/^feedwright (\([^)]*\)).*/\1/p' packaging/changelog)
[ "$changelog_version" = "$version" ] ||
  fail "packaging/changelog starts with $changelog_version, project() says $version: add an entry"

if command -v lintian >/dev/null; then
  # Errors fail the check; warnings are shown.
  status=0
  lintian --fail-on error "$deb" >"$work/lintian" 2>&1 || status=$?
  grep -v 'running with root privileges' "$work/lintian" || true
  if [ "$status" = 0 ]; then echo "package: lintian reports no error"; else fail "lintian reports errors"; fi
else
  echo "package: lintian not installed, not run"
fi

# Unpacked into a bare root, the command-line program runs and rewrites a file
# byte for byte, and the desktop program finds every library it links.
dpkg -x "$deb" "$work/root"
cdf="$work/root/usr/bin/feedwright-cdf"
[ "$("$cdf" --version)" = "feedwright-cdf $version" ] ||
  fail "the unpacked feedwright-cdf says '$("$cdf" --version)', the package is $version"
sample=tests/data/golden/worked_example.cdf
if "$cdf" rewrite "$sample" "$work/rewritten.cdf"; then
  cmp -s "$sample" "$work/rewritten.cdf" || fail "the unpacked feedwright-cdf rewrote $sample differently"
else
  fail "the unpacked feedwright-cdf could not rewrite $sample"
fi
if ldd "$work/root/usr/bin/feedwright" | grep -q 'not found'; then
  fail "the unpacked feedwright lacks libraries:"
  ldd "$work/root/usr/bin/feedwright" | grep 'not found'
fi

[ "$failed" = 0 ] || exit 1
echo "package: $(basename "$deb") holds $(wc -l <"$work/packaged") files; the unpacked feedwright-cdf runs"
