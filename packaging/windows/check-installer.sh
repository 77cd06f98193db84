#!/usr/bin/env bash
# Builds the installer with CPack and checks its file: its processor, version and the files it
# holds. Then, unless told "files", tries it under wine as a user would, silently: installs,
# starts the program from its Start-menu shortcut, uninstalls with the command the list of
# installed programs gives, and looks for anything left behind.
# check-installer.sh <build folder> <version> <the built tarvello.exe> <win64 or win32> <commit>
#                    <vendor> <run or files>
set -euo pipefail
source "$(dirname "$0")/../check-lib.sh"
source "$(dirname "$0")/../../scripts/windows-build.sh"
build=$(cd "$1" && pwd)
version=$2
program=$(realpath "$3")
flavour=$4
commit=$5
vendor=$6
mode=$7

# The 32-bit installer on a 32-bit Windows, the 64-bit one on a 64-bit Windows.
windows_build flavour "$flavour"
export WINEARCH=$winearch
wineserver=/usr/lib/wine/wineserver64
out=$(mktemp -d)
own_display_pid=
# Only this test's own wine server and display: other tests may be running theirs.
cleanup() {
  WINEPREFIX="$out/prefix" TMPDIR="$out/tmp" "$wineserver" -k 2>/dev/null || true
  [[ -z "$own_display_pid" ]] || kill "$own_display_pid" 2>/dev/null || true
  rm -rf "$out"
}
trap cleanup EXIT
started=$SECONDS

pack NSIS "$build" "$out/package"
installer="$out/package/tarvello-$version-$flavour.exe"
[[ -f "$installer" ]] || fail "no $(basename "$installer"); cpack made: $(ls "$out/package")"
# makensis makes 32-bit installers unless told otherwise, which a 64-bit Windows without its
# 32-bit part (as wine64 alone) cannot start.
[[ "$(file -b "$installer")" == "$file_type"* ]] ||
  fail "the installer is not for $flavour: $(file -b "$installer")"
strings -el "$installer" | grep -x "$version (commit $commit)" >/dev/null ||
  fail "the installer's product version is not '$version (commit $commit)'"

# The files it installs, as 7-Zip reads them from it, and the uninstaller it writes; NSIS's own
# plug-ins, unpacked only while it runs, are no part of the installation.
expected="LICENSE.txt
NOTICES.txt
README.txt
Uninstall.exe
tarvello.exe"
packed=$(7z l -slt "$installer" | sed -n 's/^Path = //p' | tail -n +2 | grep -v '^\$PLUGINSDIR' |
  LC_ALL=C sort)
[[ "$packed" == "$expected" ]] || fail "the installer holds:"$'\n'"$packed"
mkdir -p "$out/packed"
7z e -so "$installer" tarvello.exe >"$out/packed/tarvello.exe" 2>/dev/null
cmp -s "$out/packed/tarvello.exe" "$program" || fail "the installer's tarvello.exe is not the one built"
if [[ "$mode" == files ]]; then
  echo "installer $(basename "$installer") ($(stat -c %s "$installer") bytes): its file checked," \
    "not run"
  exit 0
fi

# A fresh wine prefix, rather than the one of the other Windows tests, so that nothing installed
# before is found; a home folder of its own, which wine links the user's folders to; and a
# temporary folder for the wine server's socket, which outlives the server.
export WINEPREFIX="$out/prefix" HOME="$out/home" XDG_CONFIG_HOME="$out/home/.config"
export XDG_DATA_HOME="$out/home/.local/share" TMPDIR="$out/tmp" WINEDEBUG=-all
# No Mono or Gecko, and no menu entries for the host's desktop made from the shortcut.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine on the real clock, even where the build runs on a shifted one (the reproducibility check
# preloads a 64-bit clock library): 32-bit wine cannot load it, and a wine server ahead of its
# clients times their waits out, so the prefix is never made. The test makes no release file.
unset LD_PRELOAD FAKETIME
mkdir -p "$HOME" "$TMPDIR"

# A display of its own too: the window looked for below is then this program's and no other's.
source "$(dirname "$0")/../../scripts/own-display.sh"
start_own_display || fail "no display"

"$wine" wineboot.exe -i >/dev/null 2>&1 || fail "wineboot could not make the prefix"
"$wineserver" -w

# The user's folders as Windows names them, and where they are in the prefix.
folder() { "$wine" cmd.exe /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unix_path() { "$wine" winepath.exe -u "$1" 2>/dev/null | tr -d '\r'; }
install_dir_win="$(folder LOCALAPPDATA)\\Programs\\Tarvello"
shortcut_win="$(folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Tarvello.lnk"
install_dir=$(unix_path "$install_dir_win")
shortcut=$(unix_path "$shortcut_win")
users="$WINEPREFIX/drive_c/users"
[[ -d "$users" && -n "$install_dir" && -n "$shortcut" ]] || fail "wine made no user folders"

# Every file and folder of the user's, but for the temporary files: the uninstaller runs from a
# copy there, which Windows deletes only at the next start.
user_files() { find "$users" -name Temp -prune -o -print | LC_ALL=C sort; }
user_files >"$out/before"

"$wine" "$installer" /S || fail "the silent install ended with status $?"
"$wineserver" -w

[[ -d "$install_dir" ]] || fail "nothing installed in $install_dir_win"
actual=$(cd "$install_dir" && find . -type f -printf '%P\n' | LC_ALL=C sort)
[[ "$actual" == "$expected" ]] || fail "installed files differ:"$'\n'"$actual"
cmp -s "$install_dir/tarvello.exe" "$program" || fail "the installed tarvello.exe is not the one built"
[[ -f "$shortcut" ]] || fail "no Start-menu shortcut $shortcut_win"

# The entry in the list of installed programs: the current user's, not the machine's.
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvello'
"$wine" reg.exe query "HKCU\\$key" >"$out/key" 2>/dev/null || fail "no HKCU\\$key"
if "$wine" reg.exe query "HKLM\\$key" >/dev/null 2>&1; then fail "the installer wrote HKLM\\$key"; fi
value() { sed -n "s/^    $1    REG_[A-Z_]*    \(.*\)\r\$/\1/p" "$out/key"; }
expect_value() {
  [[ "$(value "$1")" == "$2" ]] || fail "$1 is '$(value "$1")', not '$2'"
}
expect_value DisplayName Tarvello
expect_value DisplayVersion "$version"
expect_value Publisher "$vendor"
expect_value DisplayIcon "$install_dir_win\\tarvello.exe,0"
expect_value InstallLocation "$install_dir_win"
expect_value UninstallString "\"$install_dir_win\\Uninstall.exe\""
expect_value QuietUninstallString "\"$install_dir_win\\Uninstall.exe\" /S"
expect_value NoModify 0x1
expect_value NoRepair 0x1
# In KiB, the sum of the installed files' sizes, give or take the rounding.
installed_kib=$(($(cat "$install_dir"/* | wc -c) / 1024))
estimated_kib=$(($(value EstimatedSize)))
((estimated_kib >= installed_kib - 5 && estimated_kib <= installed_kib + 5)) ||
  fail "EstimatedSize is $estimated_kib KiB, the files take $installed_kib KiB"

# The shortcut starts the program, whose window opens and stays open.
"$wine" start "$shortcut_win" </dev/null >/dev/null 2>&1 || fail "start could not open the shortcut"
window() { xwininfo -root -tree 2>/dev/null | grep -q '"Tarvello": ("tarvello.exe"'; }
for _ in $(seq 60); do window && break; sleep 0.5; done
window || fail "the shortcut did not open the program's window"
sleep 2
window || fail "the program's window closed by itself"
"$wineserver" -k
"$wineserver" -w

# Uninstalls as the list of installed programs would: with its quiet command.
quiet=$(value QuietUninstallString)
[[ "$quiet" =~ ^\"(.+)\"\ /S$ ]] || fail "QuietUninstallString '$quiet' is no quoted program and /S"
"$wine" "${BASH_REMATCH[1]}" /S || fail "the silent uninstall ended with status $?"
# The uninstaller has handed over to its copy in the temporary folder, which does the work.
"$wineserver" -w

if "$wine" reg.exe query "HKCU\\$key" >/dev/null 2>&1; then fail "HKCU\\$key is left"; fi
left=$(user_files | LC_ALL=C comm -13 "$out/before" -)
[[ -z "$left" ]] || fail "left behind after uninstalling:"$'\n'"$left"

echo "installer $(basename "$installer") ($(stat -c %s "$installer") bytes): all checks passed" \
  "in $((SECONDS - started)) s"
