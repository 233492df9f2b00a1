# Pasting from an owner that names its formats and quits before the text is asked for, as a
# program that copies and exits does: Ctrl+V and Shift+Insert from the clipboard, a middle click
# from the primary selection, each many times with a fresh owner. The program keeps running and
# the typed text stays.
source "$(dirname "$0")/lib.sh"
owner=""
trap '[ -z "$owner" ] || kill "$owner" 2>/dev/null || true' EXIT
start_zendle
eval "$(xdotool getwindowgeometry --shell "$ZWIN")"
click_at "$ZWIN" 100 $((HEIGHT - 472 + 100))
xdotool type --delay 20 'typed'

# paste_from SELECTION KEYS...: a fresh vanishing owner of SELECTION, then the paste.
paste_from() {
  local selection=$1
  shift
  "$CLIP_OWNER" "$selection" vanish >"$E2E_TMP/owner" &
  owner=$!
  wait_for grep -q ready "$E2E_TMP/owner" || fail "clip_owner did not take $selection"
  xdotool "$@"
  # The paste asks for the formats, and the owner quits; one never asked is let go here.
  for _ in $(seq 50); do kill -0 "$owner" 2>/dev/null || break; sleep 0.02; done
  kill "$owner" 2>/dev/null || true
  wait "$owner" 2>/dev/null || true
  owner=""
  kill -0 "$ZPID" 2>/dev/null || { wait_exit; fail "the program ended (status $ZSTATUS) pasting with: $*"; }
}

for round in $(seq 30); do
  paste_from CLIPBOARD key ctrl+v
  paste_from CLIPBOARD key shift+Insert
  paste_from PRIMARY click 2
done
field_holds 'typed' "30 rounds of pasting from owners that quit"

close_to_exit "$ZWIN"
echo "ok"
