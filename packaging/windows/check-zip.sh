#!/usr/bin/env bash
# Builds the portable zip with CPack and inspects it and the program in it, from their files
# alone (nothing is run):
# check-zip.sh <build folder> <version> <the built tarvello.exe> <win64 or win32> <commit>
set -euo pipefail
source "$(dirname "$0")/../check-lib.sh"
source "$(dirname "$0")/../../scripts/windows-build.sh"
build=$(cd "$1" && pwd)
version=$2
program=$(realpath "$3")
flavour=$4
commit=$5
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

pack ZIP "$build" "$out"
name="tarvello-$version-$flavour"
zip="$out/$name.zip"
[[ -f "$zip" ]] || fail "no $name.zip; cpack made: $(ls "$out")"

# Exactly these files, in one folder named as the zip is, so that a stray install rule shows up.
expected="$name/LICENSE.txt
$name/NOTICES.txt
$name/README.txt
$name/tarvello.exe"
actual=$(unzip -Z1 "$zip" | LC_ALL=C sort)
[[ "$actual" == "$expected" ]] || fail "the zip holds:"$'\n'"$actual"
unzip -q "$zip" -d "$out"
cd "$out/$name"

cmp -s tarvello.exe "$program" || fail "tarvello.exe in the zip is not the program built"
# A Windows program (GUI) for the processor the zip is named for, and so is its manifest:
# Windows refuses to start a program whose manifest names another. Small enough for a slow
# download.
windows_build flavour "$flavour"
[[ "$(file -b tarvello.exe)" == "$file_type"* ]] ||
  fail "tarvello.exe is not for $flavour: $(file -b tarvello.exe)"
manifest=$(grep -ao 'name="Tarvello" version="[0-9.]*" processorArchitecture="[^"]*"' tarvello.exe)
[[ "$manifest" == *"processorArchitecture=\"$manifest_processor\"" ]] ||
  fail "the manifest does not name processor $manifest_processor: $manifest"
# The manifest asks for the themed common controls and says the program scales itself.
for setting in 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
  '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>' \
  '>PerMonitorV2, PerMonitor</dpiAwareness>'; do
  grep -qaF "$setting" tarvello.exe || fail "the manifest lacks $setting"
done
size=$(stat -c %s tarvello.exe)
((size <= 300 * 1024)) || fail "tarvello.exe takes $size bytes, more than 300 KiB"
# The version resource names the commit, for anyone who wants to rebuild the file.
strings -el tarvello.exe | grep -x "$version (commit $commit)" >/dev/null ||
  fail "tarvello.exe's product version is not '$version (commit $commit)'"
# Portable means no DLL beside the program: all it imports must be Windows's own (a runtime
# DLL of the compiler, such as libstdc++-6.dll, is not among them).
imports=$(x86_64-w64-mingw32-objdump -p tarvello.exe | sed -n 's/^\tDLL Name: //p')
[[ -n "$imports" ]] || fail "found no imported DLL in tarvello.exe"
system_dlls=$(grep -v '^#' "$source_dir/packaging/windows/system-dlls.txt")
for dll in $imports; do
  grep -qxF "${dll,,}" <<<"$system_dlls" || fail "tarvello.exe needs $dll, which is not a Windows DLL"
done

# Windows line endings: every line ends in CR LF, the last one too, and there is no other CR.
for text in LICENSE.txt NOTICES.txt README.txt; do
  lf=$(tr -cd '\n' <"$text" | wc -c)
  cr=$(tr -cd '\r' <"$text" | wc -c)
  crlf=$(grep -c $'\r$' "$text" || true)
  last=$(tail -c 2 "$text" | od -An -tx1 | tr -d ' \n')
  if ((lf == 0 || cr != lf || crlf != lf)) || [[ "$last" != 0d0a ]]; then
    fail "$text does not have CR LF line endings throughout"
  fi
done

tr -d '\r' <LICENSE.txt | cmp -s - "$source_dir/LICENSE" || fail "LICENSE.txt is not LICENSE"

# UTF-8 with a byte order mark, so that any Notepad shows the Chinese; it names, in Chinese and
# in English, this version and the Windows this build is for, and the window's texts as the
# window has them.
[[ $(head -c 3 README.txt | od -An -tx1 | tr -d ' \n') == efbbbf ]] ||
  fail "README.txt does not start with a UTF-8 byte order mark"
iconv -f UTF-8 -t UTF-8 README.txt >/dev/null 2>&1 || fail "README.txt is not valid UTF-8"
for words in "Tarvello $version（$bits 位 Windows）" "Windows $newest（$bits 位）" \
  "Tarvello $version ($bits-bit Windows)" "Windows $newest ($bits-bit)"; do
  grep -qF "$words" README.txt || fail "README.txt does not say $words"
done
# A label's text without the colon that follows it in the window.
layout_text() {
  local text
  text=$(sed -n "s/.*ControlLayout k$1{\"[^\"]*\", \"\([^\"]*\)\".*/\1/p" \
    "$source_dir/ui/window_layout.h")
  echo "${text%：}"
}
verdict_text() {
  sed -n "s/.*std::string_view k$1 = \"\([^\"]*\)\";/\1/p" "$source_dir/ui/verdict_text.h"
}
for word in "$(layout_text Label1)" "$(layout_text Label2)" "$(layout_text Btnfilt)" \
  "$(layout_text Btncopy)" "$(layout_text Btnclose)" "$(verdict_text HitText)" \
  "$(verdict_text MissText)"; do
  [[ -n "$word" ]] || fail "could not read the window's texts from ui/"
  grep -q "$word" README.txt || fail "README.txt does not mention $word, a text of the window"
done

# The notices cover each runtime library linked into the program, and carry the whole GPL
# version 3, under which with the Runtime Library Exception libstdc++ and libgcc come.
notices=$(tr -d '\r' <NOTICES.txt)
for library in libstdc++ libgcc mingw-w64 winpthreads 'GCC RUNTIME LIBRARY EXCEPTION'; do
  grep -qF "$library" <<<"$notices" || fail "NOTICES.txt does not cover $library"
done
gpl=/usr/share/common-licenses/GPL-3
[[ $(tail -n "$(wc -l <"$gpl")" <<<"$notices") == "$(cat "$gpl")" ]] ||
  fail "NOTICES.txt does not end with the text of the GPL version 3"

echo "zip $name.zip ($(stat -c %s "$zip") bytes): all checks passed"
