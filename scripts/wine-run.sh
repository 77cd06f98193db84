#!/usr/bin/env bash
# Runs a program of the Windows build under wine, in the build's prefix:
#   wine-run.sh build/windows/app/win32/tarvello.exe [arguments]
# On $DISPLAY when it is set, otherwise on a display of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
use_current_display=1
source scripts/wine-session.sh
"$wine" "$@"
