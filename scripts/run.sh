#!/usr/bin/env bash
# Installs what is missing, builds Tarvello and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/app/qt/tarvello
