#!/usr/bin/env bash
# Holds the READMEs' links to the project's own addresses, static text, to those of
# packaging/identity.cmake:
# check-addresses.sh <source folder> <version> <repository> <downloads> <page> <raw sources>
set -euo pipefail
source "$(dirname "$0")/check-lib.sh"
cd "$1"
version=$2 repository=$3 downloads=$4 page=$5 raw=$6

docs=(README.md docs/*.md)
links=$({ grep -ohE 'https?://[^])>"<` ]+' "${docs[@]}" || true; } | sed 's/[.,;:]*$//' | sort -u)
# Anything of Tarvello's is at one of its addresses, and a version in it (a release's tag or
# file) is this one.
while IFS= read -r link; do
  case "$link" in
    "$repository" | "$repository"[/#]* | "$page"* | "$raw"/*) ;;
    *) fail "$link is none of the addresses in packaging/identity.cmake" ;;
  esac
  for named in $(grep -oE '[0-9]+\.[0-9]+\.[0-9]+' <<<"$link" || true); do
    [[ "$named" == "$version" ]] || fail "$link names version $named, not $version"
  done
done < <(grep -i tarvello <<<"$links" || true)
# The README starts a player off at the downloads and the page.
for address in "$downloads" "$page"; do
  grep -qF "]($address)" README.md || fail "README.md does not link $address"
done
echo "the READMEs' addresses: all checks passed"
