# Sourced, from the project's root, by the scripts that run the Windows programs: starts a
# display of its own, and stops it and the wine servers started when the calling script ends.
# Then `use_wine <preset>` (windows or windows32) readies the wine prefix of that preset's build
# (build/windows: 64-bit Windows, build/windows32: 32-bit Windows) and sets $wine to the loader
# for its programs.
source scripts/windows-build.sh

export WINEDEBUG=-all
# Without Mono and Gecko wine does not offer to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=/usr/lib/wine/wineserver64

# A caller that sets use_current_display=1 shows the programs on $DISPLAY instead.
source scripts/own-display.sh
own_display_pid=
if [[ "${use_current_display:-0}" != 1 || -z "${DISPLAY:-}" ]]; then
  start_own_display
fi

wine_prefixes=()
stop_wine_session() {
  local prefix
  for prefix in "${wine_prefixes[@]}"; do
    WINEPREFIX="$prefix" "$wineserver" -k 2>/dev/null || true
  done
  [[ -z "$own_display_pid" ]] || kill "$own_display_pid" 2>/dev/null || true
}
trap stop_wine_session EXIT

use_wine() {
  windows_build preset "$1"
  export WINEPREFIX="$PWD/build/$preset/wineprefix" WINEARCH=$winearch
  wine_prefixes+=("$WINEPREFIX")
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    "$wine" wineboot.exe -i >/dev/null 2>&1
    # With no window manager on the display, wine draws the window frames itself, as Windows
    # does.
    "$wine" reg.exe add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$wineserver" -w
  fi
  # One wine server for all the test programs, rather than one started for each, and wine's
  # own background programs started now with no output: started by a test, they would hold its
  # output open, and ctest would wait for them.
  "$wineserver" -p
  "$wine" cmd.exe /c exit </dev/null >/dev/null 2>&1
}
