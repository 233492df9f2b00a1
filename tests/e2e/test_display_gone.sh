# The program ends without a crash when its X server goes away under it (a logout, a dropped remote
# session). It runs on a server of its own here, which the test then ends.
source "$(dirname "$0")/lib.sh"
displayfile=$E2E_TMP/display
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
own_xvfb=$!
trap 'kill $own_xvfb 2>/dev/null || true' EXIT
wait_for test -s "$displayfile" || fail "a second Xvfb did not start"
export DISPLAY=:$(head -1 "$displayfile")
wait_for xdpyinfo || fail "the second Xvfb does not answer"

start_zendle
kill "$own_xvfb"
wait "$own_xvfb" 2>/dev/null || true
wait_exit
[ "$ZSTATUS" != 124 ] || fail "still running after its display went away"
[ "$ZSTATUS" -lt 128 ] || fail "ended by signal $((ZSTATUS - 128))"
echo "ok (exit status $ZSTATUS)"
