#!/usr/bin/env bash
# Builds the Windows program (build/windows/app/win32/tarvello.exe), its tests and benchmarks
# with mingw-w64, and runs the tests under wine on a display of their own. Installs what is
# missing first, and fetches Debian's source package of Google Benchmark to build it for Windows.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine64 xvfb \
  nsis unzip x11-utils binutils-mingw-w64-x86-64 file
bash scripts/debian-source.sh benchmark build/sources/benchmark

cmake --preset windows >/dev/null
cmake --build --preset windows

source scripts/wine-session.sh
ctest --preset windows
