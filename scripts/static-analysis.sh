#!/usr/bin/env bash
# clang-tidy (checks in .clang-tidy, every warning an error) and cppcheck over the program's
# own code for Linux: engine/, ui/qt/ and app/qt/, plus the fuzz targets and the Windows front
# end for cppcheck.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build analysis

# The sanitizer build's compile commands are Clang's own, which clang-tidy reads best.
cmake --preset asan >/dev/null
sources=$(git ls-files 'engine/*.cpp' 'ui/qt/*.cpp' 'app/qt/*.cpp')
echo "clang-tidy: $(wc -w <<<"$sources") files"
# Each file's report is printed only when it has a finding; xargs fails if any file does.
# shellcheck disable=SC2086
printf '%s\n' $sources | xargs -P2 -I{} sh -c \
  'out=$(clang-tidy-14 -p build/asan --quiet "$1" 2>&1) || { printf "%s\n" "$out"; exit 1; }' \
  sh {}

cppcheck --enable=warning,performance,portability --std=c++20 --library=qt --error-exitcode=1 \
  --inline-suppr --quiet -I . engine ui/qt app/qt fuzz
# The Windows front end, with cppcheck's model of the Windows API.
cppcheck --enable=warning,performance,portability --std=c++20 --library=windows --platform=win64 \
  --error-exitcode=1 --inline-suppr --quiet -D_WIN32 -DUNICODE -I . ui/win32 app/win32
echo "static analysis: no warnings"
