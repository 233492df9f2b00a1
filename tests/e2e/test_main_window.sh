# The window's title and size, typing, the Edit menu's mnemonics, and a close from the window
# manager that ends the program with status 0. What the buttons do is the window test's.
source "$(dirname "$0")/lib.sh"
export XDG_CONFIG_HOME=$E2E_TMP/config
start_zendle

eval "$(xdotool getwindowgeometry --shell "$ZWIN")"
[ "$WIDTH" = 450 ] || fail "width $WIDTH, expected 450"
[ "$HEIGHT" -gt 472 ] && [ "$HEIGHT" -lt 520 ] || fail "height $HEIGHT: 472 plus a menu bar expected"

# Menu bar height: the content area starts below it.
menu=$((HEIGHT - 472))
click_at "$ZWIN" 100 $((menu + 100))
xdotool type --delay 5 "quoted text"
# Copy chosen from the Edit menu by its mnemonics acts on the focused field.
xdotool key ctrl+a alt+e c
wait_for sh -c '[ "$(xclip -o -selection clipboard)" = "quoted text" ]' || fail "Edit > Copy did not copy the typed text"

close_window "$ZWIN"
wait_exit
[ "$ZSTATUS" = 0 ] || fail "exit status $ZSTATUS"
echo "ok"
