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
  # the Windows program, 64- and 32-bit: cross compilers, wine to run the tests, a display for
  # wine, and the Chinese locale the window tests run in too
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine64 wine32:i386
  xvfb locales
  # static analysis
  clang-tidy-14 cppcheck
  # the install and Debian package checks
  desktop-file-utils appstream dpkg-dev file binutils gzip man-db groff-base lintian
  # the Windows installer (NSIS), and the checks of it and of the zip (unzip, xwininfo, objdump)
  nsis unzip x11-utils binutils-mingw-w64-x86-64
  # reproducible release files: zip normalizing, and the check that builds them twice
  strip-nondeterminism git diffoscope-minimal faketime disorderfs fuse
  # the web page: WebAssembly compiler, node, the browser its tests drive, its icons, its zip
  emscripten nodejs chromium imagemagick zip
)
[[ $# -gt 0 ]] && packages=("$@")

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  # wine32:i386 and the like come from the i386 architecture's packages.
  if [[ " ${missing[*]} " == *":i386 "* ]] &&
    ! dpkg --print-foreign-architectures | grep -x i386 >/dev/null; then
    "${sudo[@]}" dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  # A mirror caught in the middle of a sync answers an index of the wrong size; apt then keeps
  # the other indexes and reports failure. Ask again a few times.
  updated=
  for wait in 15 30 0; do
    if "${sudo[@]}" apt-get update -qq -o Acquire::Retries=3; then updated=yes && break; fi
    ((wait > 0)) || break
    echo "apt-get update failed; trying again in $wait s"
    sleep "$wait"
  done
  release=()
  if [[ -z "$updated" ]]; then
    # Most often the missing index is the security suite's for one architecture. Its other
    # architecture's newer versions then clash with the packages that must have the same version
    # in both (wine32's libraries), so take the release's own versions.
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    echo "apt-get update kept failing; installing $codename's own versions"
    release=(-t "$codename")
  fi
  "${sudo[@]}" apt-get install -y -qq -o Acquire::Retries=3 "${release[@]}" "${missing[@]}" >/dev/null
fi

# The window tests run in the locale of the players' Chinese Windows too.
if [[ " ${packages[*]} " == *" locales "* ]] && ! locale -a | grep -x 'zh_CN\.utf8' >/dev/null; then
  echo "Making the zh_CN.UTF-8 locale"
  "${sudo[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
