# Shared steps of the end-to-end scripts: start the program, find its windows, wait for things.
set -euo pipefail

# run_under_xvfb.sh gives each run a log and a folder for its files, and removes both.
: "${E2E_LOG:?}" "${E2E_TMP:?}"
export XDG_CONFIG_HOME=$E2E_TMP/config
# On failure, what the program printed is shown too.
fail() {
  echo "FAIL: $*" >&2
  [ -s "$E2E_LOG" ] && sed 's/^/  zendle: /' "$E2E_LOG" >&2
  exit 1
}

# wait_for CMD...: retries CMD for up to 60 s (a loaded two-core machine is slow, never this slow).
wait_for() {
  for _ in $(seq 600); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

# start_zendle: starts the program in the background with XDG_CONFIG_HOME as set; sets ZPID and
# ZWIN, the main window's id.
# A fresh Xvfb on a loaded machine now and then refuses a client while it compiles its keymap; the
# program then ends at once with "could not connect", and is started again.
start_zendle() {
  for attempt in 1 2 3; do
    "$ZENDLE" >>"$E2E_LOG" 2>&1 &
    ZPID=$!
    wait_for window_or_exit || true
    main_window >/dev/null && break
    kill -0 "$ZPID" 2>/dev/null && break
    grep -q 'could not connect to display' "$E2E_LOG" || break
    echo "the X server refused the program (attempt $attempt)" >&2
    sleep 1
  done
  if ! main_window >/dev/null; then
    echo "windows on the display: $(xdotool search --name . 2>/dev/null | while read -r w; do xdotool getwindowname "$w"; done | tr '\n' '|')" >&2
    if kill -0 "$ZPID" 2>/dev/null && command -v gdb >/dev/null; then
      gdb -batch -p "$ZPID" -ex 'thread apply all bt 12' 2>/dev/null | grep -E '^(#|Thread)' >&2 || true
    fi
    fail "main window never appeared"
  fi
  ZWIN=$(main_window)
}

# Prints the id of the shown main window; fails when none shows. A window that exists but is not
# mapped (or not yet) is not the one the user sees.
main_window() {
  local id
  id=$(xdotool search --onlyvisible --name '^Zendle II$' 2>/dev/null | head -1)
  [ -n "$id" ] && echo "$id"
}

# True once the main window shows or the program has ended.
window_or_exit() {
  main_window >/dev/null && return 0
  kill -0 "$ZPID" 2>/dev/null || return 0
  return 1
}

# Closes window $1 as a window manager does (WM_DELETE_WINDOW); the program must then end with status 0.
close_to_exit() { "$WM_DELETE" "$1"; wait_exit; [ "$ZSTATUS" = 0 ] || fail "exit status $ZSTATUS"; }

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

# field_holds TEXT WHAT: the field, read through the program's own Copy (which makes the program the
# clipboard's owner), holds TEXT; fails naming WHAT when it does not, or when the program has ended.
field_holds() {
  printf '%s' "$1" >"$E2E_TMP/expected"
  xdotool key ctrl+a ctrl+c ctrl+End
  for _ in $(seq 300); do
    kill -0 "$ZPID" 2>/dev/null || { wait_exit; fail "the program ended (status $ZSTATUS) while: $2"; }
    xclip -o -selection clipboard >"$E2E_TMP/got" 2>/dev/null && cmp -s "$E2E_TMP/got" "$E2E_TMP/expected" && return 0
    sleep 0.1
  done
  fail "field after $2: $(od -c "$E2E_TMP/got" | head -3)"
}
