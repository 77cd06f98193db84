#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default
bash scripts/windows.sh
bash scripts/web.sh
bash scripts/check-reproducible.sh
bash scripts/sanitize.sh
bash scripts/fuzz.sh 20
bash scripts/static-analysis.sh
