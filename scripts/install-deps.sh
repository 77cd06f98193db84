#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Tarvello needs, or only the
# packages named as arguments. Quiet when everything is already there; asks apt only for what
# is missing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ make pkg-config
  # engine tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # the window, its tests and its Chinese texts
  qt6-base-dev qt6-qpa-plugins libgl-dev fonts-wqy-microhei
  # sanitizer builds, fuzzing (libFuzzer is in the compiler runtime), symbolized reports
  clang-14 libclang-rt-14-dev llvm-14
  # the Windows program: cross compiler, wine to run its tests, a display for wine
  g++-mingw-w64-x86-64-posix wine64 xvfb
  # static analysis
  clang-tidy-14 cppcheck
  # the install and Debian package checks
  desktop-file-utils appstream dpkg-dev file binutils gzip man-db groff-base lintian
  # the Windows installer (NSIS), and the checks of it and of the zip (unzip, xwininfo, objdump)
  nsis unzip x11-utils binutils-mingw-w64-x86-64
  # the web page: WebAssembly compiler, node, the browser its tests drive, its icons, its zip
  emscripten nodejs chromium imagemagick zip
)
[[ $# -gt 0 ]] && packages=("$@")

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
