# Shared steps of the end-to-end scripts: start the program, find its windows, wait for things.
set -euo pipefail

E2E_LOG=${E2E_LOG:-$(mktemp)}
# On failure, what the program printed is shown too.
fail() {
  echo "FAIL: $*" >&2
  [ -s "$E2E_LOG" ] && sed 's/^/  zendle: /' "$E2E_LOG" >&2
  exit 1
}

# wait_for CMD...: retries CMD for up to 15 s.
wait_for() {
  for _ in $(seq 150); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

# start_zendle: starts the program in the background with XDG_CONFIG_HOME as set; sets ZPID, ZWIN.
start_zendle() {
  "$ZENDLE" >>"$E2E_LOG" 2>&1 &
  ZPID=$!
  wait_for xdotool search --name '^Zendle II$' || fail "main window never appeared"
  ZWIN=$(xdotool search --name '^Zendle II$' | head -1)
}

# Closes a window as a window manager does: WM_DELETE_WINDOW.
close_window() { "$WM_DELETE" "$1"; }

# Waits for the program to end; sets ZSTATUS to its exit status (124 when it did not end).
wait_exit() {
  ZSTATUS=0
  for _ in $(seq 150); do kill -0 "$ZPID" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$ZPID" 2>/dev/null; then kill -9 "$ZPID"; ZSTATUS=124; return; fi
  wait "$ZPID" || ZSTATUS=$?
}

# Clicks at content-area coordinates (x, y) of window $1.
click_at() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
}
