#!/usr/bin/env bash
# Builds everything with Clang's AddressSanitizer and UndefinedBehaviorSanitizer and runs every
# engine and window test under them; any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build analysis
cmake --preset asan >/dev/null
cmake --build --preset asan -j2
ctest --preset asan
