# Sourced by the scripts that run the Windows program: start_own_display starts an X server of
# its own (wine needs a display even for tests), exports DISPLAY and leaves its process id in
# own_display_pid for the caller to stop.
start_own_display() {
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
  own_display_pid=$!
  for _ in $(seq 50); do [[ -s "$display_file" ]] && break; sleep 0.1; done
  if [[ ! -s "$display_file" ]]; then
    rm -f "$display_file"
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$(cat "$display_file")"
  rm -f "$display_file"
}
