#!/usr/bin/env bash
# Runs a program of a Windows build under wine, in the build's prefix, 32-bit programs in the
# 32-bit one:
#   wine-run.sh build/windows/app/win32/tarvello.exe [arguments]
#   wine-run.sh build/windows32/app/win32/tarvello.exe [arguments]
# On $DISPLAY when it is set, otherwise on a display of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
use_current_display=1
source scripts/wine-session.sh
windows_build_of "$1"
use_wine "$preset"
"$wine" "$@"
