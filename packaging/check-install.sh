#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what lands there:
# check-install.sh <build folder> <version>
set -euo pipefail
build=$1
version=$2

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
cd "$root/usr"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Exactly these files, so that a stray install rule shows up too.
expected="bin/tarvello
share/applications/tarvello.desktop
share/icons/hicolor/32x32/apps/tarvello.png
share/icons/hicolor/scalable/apps/tarvello.svg
share/metainfo/io.github.tarvello.metainfo.xml"
actual=$(find . -type f -printf '%P\n' | LC_ALL=C sort)
[[ "$actual" == "$expected" ]] || fail "installed files differ:"$'\n'"$actual"

[[ -x bin/tarvello ]] || fail "bin/tarvello is not executable"
file -b share/icons/hicolor/32x32/apps/tarvello.png | grep -q '^PNG image data, 32 x 32,' ||
  fail "the 32x32 icon is not a 32 x 32 PNG"
grep -q '<svg' share/icons/hicolor/scalable/apps/tarvello.svg || fail "the scalable icon is no SVG"

desktop=share/applications/tarvello.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
for line in 'Name=Tarvello' 'Exec=tarvello' 'Icon=tarvello' 'Categories=Utility;'; do
  grep -qx "$line" "$desktop" || fail "$desktop lacks $line"
done
grep -q '^GenericName\[zh_CN\]=' "$desktop" || fail "$desktop lacks a Chinese generic name"
grep -q '^Comment\[zh_CN\]=' "$desktop" || fail "$desktop lacks a Chinese comment"

metainfo=share/metainfo/io.github.tarvello.metainfo.xml
appstreamcli validate --no-net "$metainfo" >/dev/null || {
  appstreamcli validate --no-net "$metainfo" >&2
  fail "appstreamcli rejects $metainfo"
}
grep -q "<release version=\"$version\"" "$metainfo" || fail "$metainfo does not name version $version"
grep -q '<launchable type="desktop-id">tarvello.desktop</launchable>' "$metainfo" ||
  fail "$metainfo does not launch tarvello.desktop"
grep -q '<image>https://[^<]*</image>' "$metainfo" || fail "$metainfo has no screenshot"

echo "install into DESTDIR: all checks passed"
