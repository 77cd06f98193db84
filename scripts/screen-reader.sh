#!/usr/bin/env bash
# The screen-reader test: Orca reads the Qt window and the page in Firefox ESR as a blind player
# hears them, the keys typed through the X server. Everything runs in a session of its own: its
# own display with a window manager (Orca says nothing without one), D-Bus session and
# accessibility buses, speech server and home, so that no Orca of the user's is touched.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ ${1:-} != --in-session ]]; then
  bash scripts/install-deps.sh build web screenreader
  # The Qt program, and the site with the window tests' tables.
  cmake --preset default >/dev/null
  cmake --build --preset default --target tarvello
  cmake --preset web >/dev/null
  cmake --build --preset web
  source scripts/own-display.sh
  start_own_display
  trap 'kill "$own_display_pid" 2>/dev/null || true' EXIT
  session=$(mktemp -d)
  trap 'kill "$own_display_pid" 2>/dev/null || true; rm -rf "$session"' EXIT
  mkdir -m 700 "$session/runtime"
  HOME="$session" XDG_RUNTIME_DIR="$session/runtime" XDG_CONFIG_HOME="$session/.config" \
    dbus-run-session -- bash "$0" --in-session
  exit
fi

# Orca's settings, fixed: speech on, words spoken as they are, no sounds.
mkdir -p "$HOME/orca" "$XDG_CONFIG_HOME/speech-dispatcher"
cp tests/screen-reader/user-settings.conf "$HOME/orca/"
# The speech server speaks with espeak-ng into a null audio device: the test reads what Orca
# asked it to say, and no sound device is needed.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
AudioOutputMethod "libao"
CONF
echo default_driver=null >"$HOME/.libao"

pids=()
stop_session() { kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; }
trap stop_session EXIT

gsettings set org.gnome.desktop.interface toolkit-accessibility true
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
openbox >/dev/null 2>&1 &
pids+=($!)
# Started before Orca: Orca that starts it itself times out waiting and quits.
speech-dispatcher -s -t 0 -c unix_socket -S default &
pids+=($!)
sleep 1

# Orca writes its log block by block to a file, but line by line to a terminal: under script the
# log is a terminal, so each utterance is in it as soon as it is said.
export TARVELLO_ORCA_LOG="$HOME/orca.log"
script -qfec "orca --debug --debug-file /dev/stdout -u $HOME/orca" /dev/null \
  >"$TARVELLO_ORCA_LOG" 2>&1 &
pids+=($!)

status=0
node --test --test-concurrency=1 tests/screen-reader/ || status=$?
if ((status != 0)); then
  echo "What Orca said:"
  grep -a 'SPEECH OUTPUT' "$TARVELLO_ORCA_LOG" | tail -60 || true
  mkdir -p build
  cp "$TARVELLO_ORCA_LOG" build/orca.log
  echo "Orca's whole log: build/orca.log"
fi
exit "$status"
