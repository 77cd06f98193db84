#!/usr/bin/env bash
# Installs what the build needs, builds Tarvello (the program alone, not its tests) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build
cmake --preset default >/dev/null
cmake --build --preset default --target tarvello
exec build/default/app/qt/tarvello
