#!/usr/bin/env bash
# Builds every release file into dist/: the Debian package, the Windows zips and installers
# (64-bit and 32-bit), the web page's site as a zip, the sums of the programs in the zips, and
# the SHA256SUMS of them all. Each comes from a
# fresh build of its own under build/release-*, with the presets' settings, and passes its
# package checks before it is copied; the other tests are scripts/test.sh's to run.
#
# The files are reproducible: the same commit gives the same files, byte for byte, wherever and
# whenever it is built. Their times are SOURCE_DATE_EPOCH, the commit's time unless given; for
# sources that are no git checkout, give it and TARVELLO_COMMIT (the commit's full hash).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build windows web packaging release
if [[ -z "${SOURCE_DATE_EPOCH:-}" ]]; then
  if [[ "$(git rev-parse --show-toplevel 2>/dev/null)" != "$(pwd -P)" ]]; then
    echo "These sources are no git checkout: set SOURCE_DATE_EPOCH and TARVELLO_COMMIT." >&2
    exit 1
  fi
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
fi
export SOURCE_DATE_EPOCH
# Nothing of the build machine's settings in the files: zip times are local times, and the
# permissions of what the build writes follow the umask.
export TZ=UTC LC_ALL=C.UTF-8
umask 022
commit=(-DTARVELLO_COMMIT="${TARVELLO_COMMIT:-}")
linux=build/release-linux
windows=build/release-windows
windows32=build/release-windows32

# Fresh builds, so that nothing from an earlier build can find its way into a release file.
rm -rf "$linux" "$windows" "$windows32"
cmake --preset default -B "$linux" "${commit[@]}" >/dev/null
cmake --build "$linux"
# Only the program: with test programs built, ctest would run each under wine, in the default
# wine prefix, to list its tests. Nor Google Benchmark's sources, which only the benchmarks need.
# Where this machine runs no 32-bit program, the 32-bit installer is checked without running
# it; that decides nothing in the files.
runs_32_bit=ON
bash scripts/runs-32-bit.sh || runs_32_bit=OFF
cmake --preset windows -B "$windows" -DTARVELLO_BENCHMARK_SOURCE_DIR= "${commit[@]}" >/dev/null
cmake --build "$windows" --target tarvello
cmake --preset windows32 -B "$windows32" -DTARVELLO_BENCHMARK_SOURCE_DIR= \
  -DTARVELLO_RUN_TESTS="$runs_32_bit" "${commit[@]}" >/dev/null
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
(
  cd dist
  # The sum of each program in a zip, named by its path there, so that a tarvello.exe passed on
  # alone can be checked too. A file of its own: SHA256SUMS lists only files published beside
  # it, so that a plain sha256sum -c SHA256SUMS finds every one.
  for zip in *.zip; do
    for program in $(unzip -Z1 "$zip" | grep '\.exe$'); do
      echo "$(unzip -p "$zip" "$program" | sha256sum | cut -d' ' -f1)  $program"
    done
  done >"tarvello-$version-programs.sha256"
  sha256sum -- * >"$packages/SHA256SUMS"
)
mv "$packages/SHA256SUMS" dist/
ls -l dist
