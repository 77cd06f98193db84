#!/usr/bin/env bash
# clang-tidy (checks in .clang-tidy, every warning an error) over the program's own C++ of every
# front end: engine/, ui/ and app/, with their headers; and cppcheck over the same and the fuzz
# targets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh build windows web analysis

# Each file is read with the flags of the build it is part of: the engine and the Qt window with
# the sanitizer build's, which are Clang's own; the Windows window with the 64-bit mingw build's,
# as Clang's mingw target reads them; the page's generator and the engine's binding with the web
# build's, as Clang's emscripten target reads them.
cmake --preset asan >/dev/null
cmake --preset windows >/dev/null
cmake --preset web >/dev/null

# Clang does not find the C++ library of Debian's mingw-w64 by itself. It is given the folders
# the cross compiler searches, less GCC's own intrinsics (Clang has its own), and none of this
# machine's.
windows_args=(--extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-nostdlibinc)
while read -r folder; do
  folder=$(realpath "$folder")
  case $folder in */gcc/*/include | */gcc/*/include-fixed) continue ;; esac
  windows_args+=("--extra-arg=-isystem$folder")
done < <(x86_64-w64-mingw32-g++-posix -xc++ -E -v - </dev/null 2>&1 |
  sed -n '/<\.\.\.> search starts here/,/End of search list/{//!p}')
# em++ gives Clang emscripten's target, definitions and system headers, which it tells with
# --cflags; clang-tidy calls Clang without it. Less the options of em++'s own code generation.
web_args=()
read -r -a em_flags <<<"$(em++ --cflags)"
for ((i = 0; i < ${#em_flags[@]}; i++)); do
  case ${em_flags[i]} in
    -mllvm) ((++i)) ;;
    -Werror=*) ;;
    *) web_args+=("--extra-arg=${em_flags[i]}") ;;
  esac
done

# tidy <build> [clang-tidy arguments]: checks the files named on standard input, two at a time.
# Each file's report is printed only when it has a finding; fails if any file has one.
tidy() {
  xargs -P2 -I{} sh -c \
    'out=$(clang-tidy-14 -p "$0" --quiet "$@" 2>&1) || { printf "%s\n" "$out"; exit 1; }' \
    "build/$1" "${@:2}" {}
}
linux=$(git ls-files 'engine/*.cpp' 'ui/qt/*.cpp' 'app/qt/*.cpp')
windows=$(git ls-files 'ui/win32/*.cpp' 'app/win32/*.cpp')
web=$(git ls-files 'ui/web/*.cpp' 'app/web/*.cpp')
echo "clang-tidy: $(wc -w <<<"$linux $windows $web") files"
tidy asan <<<"$linux"
tidy windows "${windows_args[@]}" <<<"$windows"
tidy web "${web_args[@]}" <<<"$web"

cppcheck --enable=warning,performance,portability --std=c++20 --library=qt --error-exitcode=1 \
  --inline-suppr --quiet -I . engine ui/qt app/qt fuzz
# The Windows front end, with cppcheck's model of the Windows API.
cppcheck --enable=warning,performance,portability --std=c++20 --library=windows --platform=win64 \
  --error-exitcode=1 --inline-suppr --quiet -D_WIN32 -DUNICODE -I . ui/win32 app/win32
echo "static analysis: no warnings"
