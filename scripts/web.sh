#!/usr/bin/env bash
# Builds the web page's site into build/web/site/ and runs its tests in Chromium, WebKitGTK and
# Firefox ESR, and Lighthouse.
# "bash scripts/web.sh serve [port]" builds it and serves it on 127.0.0.1 for a person to try.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh web
# The tests' own packages, as the lock file pins them.
if [[ ! -f tests/web/node_modules/.package-lock.json ||
      tests/web/package-lock.json -nt tests/web/node_modules/.package-lock.json ]]; then
  # No browser of their own: the tests drive Debian's.
  PUPPETEER_SKIP_DOWNLOAD=1 npm ci --prefix tests/web --no-audit --no-fund --silent
fi

cmake --preset web >/dev/null
cmake --build --preset web
if [[ ${1:-} == serve ]]; then
  exec node tests/web/server.js "${2:-8080}"
fi
ctest --preset web
# Lighthouse's performance is a timing: shown here, never asserted.
cat build/web/lighthouse.txt
