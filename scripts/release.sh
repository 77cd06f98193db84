#!/usr/bin/env bash
# Builds every release file into dist/: the Debian package, the Windows zips and installers
# (64-bit and 32-bit), and their SHA256SUMS. Each comes from a fresh build of its own under
# build/release-*, with the presets' settings, and passes its package checks before it is
# copied; the other tests are scripts/test.sh's to run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
linux=build/release-linux
windows=build/release-windows
windows32=build/release-windows32

# Fresh builds, so that nothing from an earlier build can find its way into a release file.
rm -rf "$linux" "$windows" "$windows32"
cmake --preset default -B "$linux" >/dev/null
cmake --build "$linux"
# Only the program: with test programs built, ctest would run each under wine, in the default
# wine prefix, to list its tests. Nor Google Benchmark's sources, which only the benchmarks need.
cmake --preset windows -B "$windows" -DTARVELLO_BENCHMARK_SOURCE_DIR= >/dev/null
cmake --build "$windows" --target tarvello
cmake --preset windows32 -B "$windows32" -DTARVELLO_BENCHMARK_SOURCE_DIR= >/dev/null
cmake --build "$windows32" --target tarvello

ctest --test-dir "$linux" -R '^(install_into_destdir|debian_package)$' --output-on-failure
ctest --test-dir "$windows" -R '^windows_(zip|installer)$' --output-on-failure
ctest --test-dir "$windows32" -R '^windows_(zip|installer)$' --output-on-failure

packages=$(mktemp -d)
trap 'rm -rf "$packages"' EXIT
cpack -G DEB --config "$linux/CPackConfig.cmake" -B "$packages" >/dev/null
# The generators the Windows build names: ZIP and NSIS.
cpack --config "$windows/CPackConfig.cmake" -B "$packages" >/dev/null
cpack --config "$windows32/CPackConfig.cmake" -B "$packages" >/dev/null

rm -rf dist
mkdir dist
cp "$packages"/*.deb "$packages"/*.zip "$packages"/*.exe dist/
(cd dist && sha256sum -- *.deb *.zip *.exe >SHA256SUMS)
ls -l dist
