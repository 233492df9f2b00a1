# Pasting when there is nothing to paste: Ctrl+V, Shift+Insert and a middle click with no owner of
# the clipboard and primary selection, with an owner that refuses every request, and with one that
# offers no formats at all. Each time the program keeps running and the typed text stays; then a
# real paste still inserts its text, no-break space and line break included.
source "$(dirname "$0")/lib.sh"
owners=()
trap 'for p in "${owners[@]}"; do kill "$p" 2>/dev/null || true; done' EXIT
start_zendle
eval "$(xdotool getwindowgeometry --shell "$ZWIN")"
menu=$((HEIGHT - 472))
field_y=$((menu + 100))

# Both selections taken by a clip_owner in the given mode; it tells when it owns them.
own_selections() {
  for selection in CLIPBOARD PRIMARY; do
    "$CLIP_OWNER" "$selection" "$1" >"$E2E_TMP/owner.$selection" &
    owners+=($!)
    wait_for grep -q ready "$E2E_TMP/owner.$selection" || fail "clip_owner $1 did not take $selection"
  done
}
release_selections() {
  # An owner also ends by itself once the program's own Copy takes its selection.
  for p in "${owners[@]}"; do kill "$p" 2>/dev/null || true; wait "$p" 2>/dev/null || true; done
  owners=()
}

# The pointer stays where the first click put it, in the field.
try_every_paste() {
  xdotool key ctrl+v
  xdotool key shift+Insert
  xdotool click 2
  xdotool key ctrl+End
}

click_at "$ZWIN" 100 "$field_y"
xdotool type --delay 20 'typed'
try_every_paste
xdotool type --delay 20 ' one'
field_holds 'typed one' 'pasting with no owner'

own_selections refuse
try_every_paste
xdotool type --delay 20 ' two'
field_holds 'typed one two' 'pasting from an owner that refuses'
release_selections

own_selections noformats
try_every_paste
xdotool type --delay 20 ' three'
field_holds 'typed one two three' 'pasting from an owner that offers no formats'
release_selections

printf ' pasted\xc2\xa0a\nb' | xclip -i -selection clipboard
xdotool key ctrl+v
field_holds "$(printf 'typed one two three pasted\xc2\xa0a\nb')" 'a real paste'

close_to_exit "$ZWIN"
echo "ok"
