# Under a file-size limit of 0 the save at close fails like any failed write: the old file stays as
# it was, and the program ends normally.
source "$(dirname "$0")/lib.sh"
export XDG_CONFIG_HOME=$E2E_TMP/config
mkdir "$XDG_CONFIG_HOME"
limited=$E2E_TMP/limited
prefs=$XDG_CONFIG_HOME/rozovozu.txt
printf '#Window1Position 200,300\n' >"$prefs"

# The limit would also stop the program's messages from reaching the log (and with them the X
# server's refusal that start_zendle retries on), so they go through a pipe opened before it.
printf '#!/bin/bash\nexec > >(cat) 2>&1\nulimit -f 0\nexec "%s"\n' "$ZENDLE" >"$limited"
chmod +x "$limited"
ZENDLE=$limited start_zendle
xdotool windowmove --sync "$ZWIN" 400 100
close_window "$ZWIN"
wait_exit
[ "$ZSTATUS" = 0 ] || fail "exit status $ZSTATUS"
printf '#Window1Position 200,300\n' | cmp -s - "$prefs" || fail "file holds '$(cat "$prefs")'"
[ "$(ls -A "$XDG_CONFIG_HOME")" = rozovozu.txt ] || fail "left beside it: $(ls -A "$XDG_CONFIG_HOME")"
echo "ok"
