#!/usr/bin/env bash
# Builds the Windows program for 64-bit Windows (build/windows/app/win32/tarvello.exe) and for
# 32-bit Windows (build/windows32/app/win32/tarvello.exe), with their tests and benchmarks, with
# mingw-w64, and runs each build's tests under wine (32-bit wine for the 32-bit build) on a
# display of their own. Installs what is missing first, and fetches Debian's source package of
# Google Benchmark to build it for Windows.
#
# Where this machine runs no 32-bit program, the 32-bit build's test programs are built but not
# run, and its program, zip and installer are checked from their files alone; a line says so at
# the end, and in the file $TARVELLO_NOT_RUN names when that is set.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh windows
bash scripts/debian-source.sh benchmark build/sources/benchmark

source scripts/wine-session.sh
runs_32_bit=ON
bash scripts/runs-32-bit.sh || runs_32_bit=OFF
for preset in windows windows32; do
  run_tests=ON
  [[ "$preset" == windows || "$runs_32_bit" == ON ]] || run_tests=OFF
  cmake --preset "$preset" -DTARVELLO_RUN_TESTS="$run_tests" >/dev/null
  cmake --build --preset "$preset"
  [[ "$run_tests" == OFF ]] || use_wine "$preset"
  ctest --preset "$preset"
done

if [[ "$runs_32_bit" == OFF ]]; then
  not_run="32-bit Windows tests not run: this machine cannot run 32-bit programs (the 32-bit"
  not_run+=" program, zip and installer were checked from their files, without wine)"
  echo "$not_run"
  [[ -z "${TARVELLO_NOT_RUN:-}" ]] || echo "$not_run" >>"$TARVELLO_NOT_RUN"
fi
