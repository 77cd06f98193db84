#!/usr/bin/env bash
# Unzips the web zip that scripts/release.sh left in dist/ into a new folder, for publishing:
# release-site.sh <folder>. The page is published from the release's own bytes, so that its
# address serves no version without a release.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$1

version=$(sed -n 's/^project(Tarvello VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
zip=dist/tarvello-$version-web.zip
[[ -f "$zip" ]] || { echo "No $zip: run scripts/release.sh first." >&2; exit 1; }
rm -rf "$folder"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
