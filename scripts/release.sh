#!/usr/bin/env bash
# Builds every release file into dist/: the Debian package, the Windows zip and installer, and
# their SHA256SUMS. Each comes from a fresh build of its own under build/release-*, with the
# presets' settings, and passes its package checks before it is copied; the other tests are
# scripts/test.sh's to run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
linux=build/release-linux
windows=build/release-windows

# Fresh builds, so that nothing from an earlier build can find its way into a release file.
rm -rf "$linux" "$windows"
cmake --preset default -B "$linux" >/dev/null
cmake --build "$linux"
# Only the program: with test programs built, ctest would run each under wine, in the default
# wine prefix, to list its tests. Nor Google Benchmark's sources, which only the benchmarks need.
cmake --preset windows -B "$windows" -DTARVELLO_BENCHMARK_SOURCE_DIR= >/dev/null
cmake --build "$windows" --target tarvello

ctest --test-dir "$linux" -R '^(install_into_destdir|debian_package)$' --output-on-failure
ctest --test-dir "$windows" -R '^windows_(zip|installer)$' --output-on-failure

packages=$(mktemp -d)
trap 'rm -rf "$packages"' EXIT
cpack -G DEB --config "$linux/CPackConfig.cmake" -B "$packages" >/dev/null
# The generators the Windows build names: ZIP and NSIS.
cpack --config "$windows/CPackConfig.cmake" -B "$packages" >/dev/null

# The web page's site, zipped so that two builds of one commit give the same bytes: every file
# dated SOURCE_DATE_EPOCH, with the same mode, added in sorted order, without extra fields.
web=build/release-web
rm -rf "$web"
export NODE_PATH=/usr/share/nodejs
cmake --preset web -B "$web" >/dev/null
cmake --build "$web" --target site
version=$(sed -n 's/^project(Tarvello VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
chmod 644 "$web"/site/*
touch -d "@$epoch" "$web"/site/*
(cd "$web/site" && LC_ALL=C ls | LC_ALL=C sort | TZ=UTC zip -X -q "$packages/tarvello-$version-web.zip" -@)

rm -rf dist
mkdir dist
cp "$packages"/*.deb "$packages"/*.zip "$packages"/*.exe dist/
(cd dist && sha256sum -- *.deb *.zip *.exe >SHA256SUMS)
ls -l dist
