# Sourced, from the project's root, by the scripts that run the Windows program: starts a
# display of its own and a wine prefix under build/windows, and stops both when the calling
# script ends.

export WINEPREFIX="$PWD/build/windows/wineprefix"
export WINEDEBUG=-all
# Without Mono and Gecko wine does not offer to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

# A caller that sets use_current_display=1 shows the programs on $DISPLAY instead.
source scripts/own-display.sh
own_display_pid=
if [[ "${use_current_display:-0}" != 1 || -z "${DISPLAY:-}" ]]; then
  start_own_display
fi

stop_wine_session() {
  "$wineserver" -k 2>/dev/null || true
  [[ -z "$own_display_pid" ]] || kill "$own_display_pid" 2>/dev/null || true
}
trap stop_wine_session EXIT

if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
  "$wine" wineboot.exe -i >/dev/null 2>&1
  # With no window manager on the display, wine draws the window frames itself, as Windows does.
  "$wine" reg.exe add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  "$wineserver" -w
fi
# One wine server for all the test programs, rather than one started for each, and wine's
# own background programs started now with no output: started by a test, they would hold its
# output open, and ctest would wait for them.
"$wineserver" -p
"$wine" cmd.exe /c exit </dev/null >/dev/null 2>&1
