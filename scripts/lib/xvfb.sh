# shellcheck shell=bash
# A private X server for runs without a display. Xvfb picks a free display number itself
# (-displayfd), so several runs never collide.

# xvfb_start: starts Xvfb for the length of the script and exports DISPLAY.
xvfb_start() {
  _xvfb_launch
  on_exit xvfb_stop
}

# xvfb_start_detached: starts Xvfb in a session of its own, holding none of the caller's
# descriptors, to outlive the script; exports DISPLAY and XVFB_PID. xvfb_stop ends it.
xvfb_start_detached() {
  _xvfb_launch setsid
}

xvfb_stop() {
  [[ -n ${XVFB_PID:-} ]] || return 0
  kill "$XVFB_PID" 2>/dev/null
  wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
}

# _xvfb_launch [PREFIX...]: starts Xvfb (through PREFIX, if given) and waits for the
# display number it reports.
_xvfb_launch() {
  local number_file tries
  number_file=$(mktemp)
  "$@" Xvfb -displayfd 3 -screen 0 "${QUORVEL_SCREEN}x24" -nolisten tcp \
    3>"$number_file" </dev/null >/dev/null 2>&1 &
  XVFB_PID=$!
  for ((tries = 0; tries < 200; tries++)); do
    [[ $(wc -l <"$number_file") -ge 1 ]] && break
    kill -0 "$XVFB_PID" 2>/dev/null || die "Xvfb did not start"
    sleep 0.05
  done
  [[ -s $number_file ]] || die "Xvfb did not report its display number"
  DISPLAY=":$(head -n 1 "$number_file")"
  export DISPLAY XVFB_PID
  rm -f "$number_file"
}
