# The main window opens where it was closed: a first start with no preferences folder at all opens
# at the default, a move, a close that creates the folder and writes the directives file, and a
# second start at the moved position.
source "$(dirname "$0")/lib.sh"
export XDG_CONFIG_HOME=$E2E_TMP/no/such/config
prefs=$XDG_CONFIG_HOME/rozovozu.txt

start_zendle
eval "$(xdotool getwindowgeometry --shell "$ZWIN")"
[ "$X" = 20 ] && [ "$Y" = 50 ] || fail "first start at $X,$Y, expected 20,50"

# Without a window manager the client window itself moves: its top and left become 200 and 300.
xdotool windowmove --sync "$ZWIN" 300 200
close_to_exit "$ZWIN"
printf '#Window1Position 200,300\n' | cmp -s - "$prefs" || fail "file holds '$(cat "$prefs")'"

start_zendle
eval "$(xdotool getwindowgeometry --shell "$ZWIN")"
[ "$X" = 300 ] && [ "$Y" = 200 ] || fail "second start at $X,$Y, expected 300,200"
close_to_exit "$ZWIN"
echo "ok"
