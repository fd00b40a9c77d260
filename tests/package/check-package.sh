#!/usr/bin/env bash
# Builds tallyfold_<version>_<arch>.deb with CPack and checks it as a Debian
# system would meet it: every file in place, the desktop entry and the
# AppStream metadata valid, dependencies computed, and lintian without errors.
# Usage: check-package.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 version=$3

if ! command -v dpkg-deb >/dev/null; then
  echo "SKIPPED: dpkg-deb is missing, so no Debian package can be built here (install dpkg-dev)."
  exit 77
fi
for tool in dpkg-shlibdeps lintian desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "FAILED: $tool is missing; run scripts/install-deps.sh."; exit 1; }
done

out=$build/package-test
rm -rf "$out"
mkdir -p "$out"
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  echo "FAILED: cpack could not build the package."
  exit 1
fi
deb=$out/tallyfold_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$out"; echo "FAILED: no $deb"; exit 1; }

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# The files a desktop install needs, and nothing the system builds itself.
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$out/files"
expected=(
  /usr/bin/tallyfold /usr/bin/tallyfold-cli
  /usr/share/applications/tallyfold.desktop
  /usr/share/mime/packages/tallyfold.xml
  /usr/share/icons/hicolor/48x48/apps/tallyfold.png
  /usr/share/icons/hicolor/128x128/apps/tallyfold.png
  /usr/share/icons/hicolor/256x256/apps/tallyfold.png
  /usr/share/icons/hicolor/scalable/apps/tallyfold.svg
  /usr/share/metainfo/example.quillmere.Tallyfold.metainfo.xml
  /usr/share/man/man1/tallyfold.1.gz /usr/share/man/man1/tallyfold-cli.1.gz
  /usr/share/doc/tallyfold/copyright /usr/share/doc/tallyfold/changelog.gz
)
for file in "${expected[@]}"; do
  grep -qxF "$file" "$out/files" || fail "the package lacks $file"
done
if grep -E '^/usr/share/mime/[^p]|^/usr/local|icon-theme.cache' "$out/files"; then
  fail "the package ships caches or files outside /usr"
fi

root=$out/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/tallyfold.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/example.quillmere.Tallyfold.metainfo.xml" ||
  fail "appstreamcli validate"
grep -q 'type="application/x-tallyfold"' "$root/usr/share/mime/packages/tallyfold.xml" &&
  grep -q '^MimeType=application/x-tallyfold;' "$root/usr/share/applications/tallyfold.desktop" ||
  fail "the desktop entry and the MIME type do not name the same type"
"$root/usr/bin/tallyfold-cli" --help >/dev/null || fail "the packaged tallyfold-cli does not run"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6widgets6 zlib1g fonts-liberation2 qt6-qpa-plugins; do
  [[ $depends == *"$package"* ]] || fail "Depends lacks $package: $depends"
done

# Accepted lintian tags are named in HACKING.md ("Package").
if ! lintian --fail-on error --suppress-tags-from-file "$(dirname "$0")/lintian-accepted" "$deb"; then
  fail "lintian reports errors"
fi

[ "$failures" -eq 0 ] || exit 1
echo "$deb passed every check."
