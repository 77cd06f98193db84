#!/usr/bin/env bash
# Builds the Debian package with CPack and inspects it: check-deb.sh <build folder> <version>
set -euo pipefail
source "$(dirname "$0")/check-lib.sh"
build=$(cd "$1" && pwd)
version=$2

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

pack DEB "$build" "$out"

deb="$out/tarvello_${version}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || fail "no $(basename "$deb"); cpack made: $(ls "$out")"

info=$(dpkg-deb --info "$deb")
field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == tarvello ]] || fail "package name is $(field Package)"
[[ $(field Version) == "$version" ]] || fail "version is $(field Version)"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^\>]+@[^\>]+\>$ ]] || fail "maintainer is '$(field Maintainer)'"
grep -q '^ Description: .' <<<"$info" || fail "no description"
# The long description follows the summary on indented lines.
(($(field Description | wc -l) > 1)) || fail "no long description"

depends=$(field Depends)
# Found by dpkg-shlibdeps from the program's libraries, not written by hand.
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  grep -Eq "(^|, )${library//+/\\+} \(>= [^)]+\)" <<<"$depends" || fail "Depends lacks $library: $depends"
done
grep -q 'fonts-wqy-microhei | fonts-noto-cjk' <<<"$depends" || fail "Depends lacks a CJK font"
grep -q 'qt6-qpa-plugins' <<<"$depends" || fail "Depends lacks the Qt platform plugins"

contents=$(dpkg-deb --contents "$deb")
has() { grep -Eq "^$1 root/root +[0-9]+ .* \./usr/$2$" <<<"$contents" || fail "no $1 /usr/$2"; }
has -rwxr-xr-x bin/tarvello
has -rw-r--r-- share/applications/tarvello.desktop
has -rw-r--r-- share/metainfo/io.github.tarvello.metainfo.xml
has -rw-r--r-- share/icons/hicolor/32x32/apps/tarvello.png
has -rw-r--r-- share/icons/hicolor/scalable/apps/tarvello.svg
has -rw-r--r-- share/man/man1/tarvello.1.gz
has -rw-r--r-- share/doc/tarvello/copyright
has -rw-r--r-- share/doc/tarvello/changelog.gz

unpacked="$out/unpacked"
dpkg-deb --extract "$deb" "$unpacked"
file -b "$unpacked/usr/bin/tarvello" | grep -q ', stripped' || fail "the program is not stripped"
# Stripped as dh_strip does it, without the compilers' version notes.
sections=$(readelf -S -W "$unpacked/usr/bin/tarvello")
grep -Eq ' \.(comment|note) ' <<<"$sections" && fail "the program keeps a .comment or .note section"

# Debian's own package checker: errors and warnings fail, info tags are only shown.
lintian -I --fail-on error,warning --tag-display-limit 0 "$deb" >"$out/lintian.log" 2>&1 || {
  cat "$out/lintian.log" >&2
  fail "lintian finds errors or warnings"
}
grep '^I: ' "$out/lintian.log" || true

echo "Debian package $(basename "$deb"): all checks passed"
