#!/usr/bin/env bash
# Writes the notes of the release that a tag makes: release-notes.sh <tag> <file>. The tag must
# be v<version>, the version of project(Tarvello VERSION …); any other is refused. The notes are
# that version's entry in packaging/changelog.in, with the addresses of the page and of the doc
# on checking the files.
set -euo pipefail
cd "$(dirname "$0")/.."
tag=$1
notes=$2

version=$(sed -n 's/^project(Tarvello VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
if [[ "$tag" != "v$version" ]]; then
  echo "The tag $tag is not v$version, the version in CMakeLists.txt." >&2
  exit 1
fi
eval "$(cmake -P packaging/print-addresses.cmake)"

# The entry's lines between its heading and its signature, as a Markdown list. The latest entry
# names the version as @PROJECT_VERSION@, for the build to fill in.
entry=$(awk -v version="$version" '
  /^tarvello \(/ { mine = ($2 == "(" version ")" || $2 == "(@PROJECT_VERSION@)"); next }
  mine && /^ -- / { exit }
  mine' packaging/changelog.in)
[[ -n "$entry" ]] || { echo "packaging/changelog.in has no entry for $version." >&2; exit 1; }
mkdir -p "$(dirname "$notes")"
{
  sed -e '/^ *$/d' -e 's/^  \* /- /' -e 's/^    /  /' <<<"$entry"
  echo
  echo "The page, for a phone or any browser: $TARVELLO_PAGE_URL"
  echo
  echo "Check a download before you run it: $TARVELLO_REPOSITORY_URL/blob/$tag/docs/verifying.md"
} >"$notes"
