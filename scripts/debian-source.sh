#!/usr/bin/env bash
# Unpacks the upstream sources of a Debian source package into a folder:
#   debian-source.sh <source package> <folder>
# Does nothing when the folder is there. Uses an apt setup of its own under build/, so the
# machine's apt sources are left as they are.
set -euo pipefail
package=$1
target=$2
[[ -f "$target/CMakeLists.txt" ]] && exit 0

apt_dir=$(mktemp -d)
trap 'rm -rf "$apt_dir"' EXIT
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/download"
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
echo "deb-src http://deb.debian.org/debian $codename main" >"$apt_dir/sources.list"
apt=(apt-get -qq -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o Dir::Etc::SourceParts=/dev/null
  -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache" -o Debug::NoLocking=1)
# apt's download user could not write into a folder made by mktemp.
[[ $(id -u) -eq 0 ]] && apt+=(-o APT::Sandbox::User=root)
"${apt[@]}" update
(cd "$apt_dir/download" && "${apt[@]}" source --download-only "$package" 2>/dev/null)

mkdir -p "$target"
tar -xf "$apt_dir"/download/"${package}"_*.orig.tar.* -C "$target" --strip-components=1
echo "Unpacked the sources of $package into $target"
