#!/usr/bin/env bash
# Builds the Windows program for 64-bit Windows (build/windows/app/win32/tarvello.exe) and for
# 32-bit Windows (build/windows32/app/win32/tarvello.exe), with their tests and benchmarks, with
# mingw-w64, and runs each build's tests under wine (32-bit wine for the 32-bit build) on a
# display of their own. Installs what is missing first, and fetches Debian's source package of
# Google Benchmark to build it for Windows.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh windows
bash scripts/debian-source.sh benchmark build/sources/benchmark

source scripts/wine-session.sh
for preset in windows windows32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  use_wine "$preset"
  ctest --preset "$preset"
done
