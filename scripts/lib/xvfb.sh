# A private X server for runs without a display. Xvfb picks a free display number itself
# (-displayfd), so several runs never collide; on_exit stops it again.

# xvfb_start: starts Xvfb and exports DISPLAY.
xvfb_start() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${QUORVEL_SCREEN}x24" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  on_exit xvfb_stop
  local tries
  for ((tries = 0; tries < 200; tries++)); do
    [[ $(wc -l <"$number_file") -ge 1 ]] && break
    kill -0 "$XVFB_PID" 2>/dev/null || die "Xvfb did not start"
    sleep 0.05
  done
  [[ -s $number_file ]] || die "Xvfb did not report its display number"
  export DISPLAY=":$(head -n 1 "$number_file")"
  rm -f "$number_file"
}

xvfb_stop() {
  [[ -n ${XVFB_PID:-} ]] || return 0
  kill "$XVFB_PID" 2>/dev/null
  wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
}

# xvfb_ensure: starts a private X server unless a display is already there.
xvfb_ensure() {
  [[ -n ${DISPLAY:-} ]] || xvfb_start
}
