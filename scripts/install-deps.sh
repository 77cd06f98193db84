#!/usr/bin/env bash
# Installs the Debian packages of the named sets, or of every set when none is named:
#   install-deps.sh [build] [windows] [web] [workflows] [packaging] [release] [analysis]
#                   [screenreader]
# Quiet when everything is already there; asks apt only for what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A sets=(
  # the Linux program and its build: compiler, Qt, the Chinese font, and GoogleTest and Google
  # Benchmark, which configuring the default build needs
  [build]="cmake ninja-build g++ make pkg-config googletest libgtest-dev libgmock-dev
    libbenchmark-dev qt6-base-dev qt6-qpa-plugins libgl-dev fonts-wqy-microhei"
  # the Windows program, 64- and 32-bit: cross compilers, wine to run the tests, a display for
  # wine, the Chinese locale the window tests run in too, NSIS for the installer, and the checks
  # of the zip and installer (unzip, 7z, xwininfo, objdump, file). Wine itself is installed
  # below, with 32-bit wine where this machine runs 32-bit programs.
  [windows]="cmake ninja-build googletest g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils xvfb locales nsis unzip
    p7zip-full x11-utils file"
  # the web page: WebAssembly compiler, node, its icons, and the three browser engines its tests
  # drive: Chromium, WebKitGTK (its WebDriver and MiniBrowser, on a display of their own) and
  # Firefox ESR
  [web]="cmake ninja-build emscripten nodejs imagemagick chromium webkit2gtk-driver xvfb
    firefox-esr"
  # the check of the publishing workflows, in node
  [workflows]="nodejs"
  # the install and Debian package checks
  [packaging]="desktop-file-utils appstream dpkg-dev file binutils gzip man-db groff-base lintian"
  # reproducible release files: zip normalizing, and the check that builds them twice
  [release]="strip-nondeterminism git zip diffoscope-minimal faketime disorderfs fuse"
  # sanitizer builds, fuzzing (libFuzzer is in the compiler runtime), symbolized reports, and
  # static analysis
  [analysis]="clang-14 libclang-rt-14-dev llvm-14 clang-tidy-14 cppcheck"
  # the screen-reader test: Orca on a display of its own with a window manager, its buses and
  # speech server speaking into no sound device, keys typed through the X server, and the
  # browser it reads the page in
  [screenreader]="orca openbox xvfb xdotool dbus dbus-x11 at-spi2-core libglib2.0-bin
    speech-dispatcher speech-dispatcher-espeak-ng espeak-ng procps bsdutils nodejs firefox-esr"
)
names=("$@")
[[ $# -gt 0 ]] || names=("${!sets[@]}")
packages=()
for name in "${names[@]}"; do
  [[ -n "${sets[$name]:-}" ]] || { echo "install-deps.sh: no set named $name" >&2; exit 2; }
  # Every word of the set's lines (read stops at the first line unless told to read to the end).
  read -r -d '' -a set_packages <<<"${sets[$name]}" || true
  packages+=("${set_packages[@]}")
done

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive

updated=
# apt_update: fetches the package indexes once per run. A mirror caught in the middle of a sync
# answers an index of the wrong size; apt then keeps the other indexes and reports failure, so
# ask again a few times.
apt_update() {
  [[ -z "$updated" ]] || return 0
  local wait
  for wait in 15 30 0; do
    if "${sudo[@]}" apt-get update -qq -o Acquire::Retries=3; then updated=yes && return 0; fi
    ((wait > 0)) || break
    echo "apt-get update failed; trying again in $wait s"
    sleep "$wait"
  done
  updated=failed
}

# install <package>...: installs those not installed yet.
install() {
  local missing=() p status
  for p in "$@"; do
    [[ -n "$p" ]] || continue
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
  done
  [[ ${#missing[@]} -gt 0 ]] || return 0
  echo "Installing: ${missing[*]}"
  apt_update
  local release=()
  if [[ "$updated" == failed ]]; then
    # Most often the index that cannot be had is the i386 one of the security suite. apt still
    # has every other index, so the security updates of the packages that do not need i386 come
    # as usual. The packages that exist for both architectures must have the same version in
    # both (wine32's libraries), and without the i386 index only the release's own versions
    # match: take those for the i386 packages and what they share with amd64.
    if [[ " ${missing[*]} " == *":i386 "* ]]; then
      release=(-t "$(. /etc/os-release && echo "$VERSION_CODENAME")")
      echo "apt-get update kept failing; installing the release's own versions of wine"
    else
      echo "apt-get update kept failing; installing from the indexes apt has"
    fi
  fi
  "${sudo[@]}" apt-get install -y -qq -o Acquire::Retries=3 "${release[@]}" "${missing[@]}" \
    >/dev/null
}

install "${packages[@]}"

# npm comes with some builds of node and in a package of its own with Debian's.
if [[ " ${packages[*]} " == *" nodejs "* ]] && ! command -v npm >/dev/null; then install npm; fi

if [[ " ${names[*]} " == *" windows "* ]]; then
  # 32-bit wine only where the kernel runs 32-bit programs: elsewhere the 32-bit Windows
  # program is built and checked without being run, and nothing of i386 is installed. 64-bit
  # wine goes in with it: they share libraries that must have the same version in both
  # architectures.
  if bash scripts/runs-32-bit.sh; then
    if ! dpkg --print-foreign-architectures | grep -x i386 >/dev/null; then
      "${sudo[@]}" dpkg --add-architecture i386
      updated=
    fi
    install wine64 wine32:i386
  else
    install wine64
  fi
  # The window tests run in the locale of the players' Chinese Windows too.
  if ! locale -a | grep -x 'zh_CN\.utf8' >/dev/null; then
    echo "Making the zh_CN.UTF-8 locale"
    "${sudo[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
  fi
fi
