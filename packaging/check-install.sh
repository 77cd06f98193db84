#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what lands there:
# check-install.sh <build folder> <version>
set -euo pipefail
source "$(dirname "$0")/check-lib.sh"
build=$1
version=$2
source_dir=$(cd "$(dirname "$0")/.." && pwd)

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
cd "$root/usr"


# Exactly these files, so that a stray install rule shows up too.
expected="bin/tarvello
share/applications/tarvello.desktop
share/doc/tarvello/changelog.gz
share/doc/tarvello/copyright
share/icons/hicolor/32x32/apps/tarvello.png
share/icons/hicolor/scalable/apps/tarvello.svg
share/man/man1/tarvello.1.gz
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

# gzip -9n: the header holds no name and no time (so builds are reproducible) and marks the
# strongest compression.
manual=share/man/man1/tarvello.1.gz
changelog=share/doc/tarvello/changelog.gz
for gz in "$manual" "$changelog"; do
  header=$(od -An -tx1 -N10 "$gz" | tr -d ' \n')
  [[ "$header" == 1f8b0800000000000203 ]] || fail "$gz has gzip header $header, not gzip -9n's"
done

# As lintian renders it; man itself succeeds despite groff's warnings, so its stderr is the test.
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 \
  >/dev/null)
[[ -z "$warnings" ]] || fail "groff warns about $manual:"$'\n'"$warnings"
grep -q "^\.TH TARVELLO 1 .* \"Tarvello $version\"" <<<"$(zcat "$manual")" ||
  fail "$manual does not name version $version"

# The changelog's latest entry is this version, released on the day the metadata gives.
zcat "$changelog" >"$root/changelog"
[[ $(dpkg-parsechangelog -l "$root/changelog" -S Version) == "$version" ]] ||
  fail "$changelog does not start with version $version"
changelog_day=$(date -u -d "@$(dpkg-parsechangelog -l "$root/changelog" -S Timestamp)" +%F)
metainfo_day=$(sed -n "s/.*<release version=\"$version\" date=\"\([0-9-]*\)\".*/\1/p" "$metainfo")
[[ "$changelog_day" == "$metainfo_day" ]] ||
  fail "$changelog dates $version $changelog_day, $metainfo $metainfo_day"

# The package's copyright file carries the same notice and terms as LICENSE.
copyright=share/doc/tarvello/copyright
notice=$(sed -n 's/^Copyright (c) //p' "$source_dir/LICENSE")
grep -qx "Copyright: $notice" "$copyright" || fail "$copyright lacks the notice of LICENSE: $notice"
terms=$(sed -n '/^License: Expat$/,/^$/p' "$copyright" | sed '1d; /^$/d; s/^ //; s/^\.$//')
[[ "$terms" == "$(sed -n '/^Permission is hereby granted/,$p' "$source_dir/LICENSE")" ]] ||
  fail "the Expat terms in $copyright differ from LICENSE"

echo "install into DESTDIR: all checks passed"
