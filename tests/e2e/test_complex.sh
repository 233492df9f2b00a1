# Quoted mail through the real clipboard: paste it into the field through the Edit menu's
# mnemonics, press "Complex", read the cleaned text back from the clipboard while the program still
# owns it, and close the window as a window manager does: the program ends with status 0.
source "$(dirname "$0")/lib.sh"
start_zendle
eval "$(xdotool getwindowgeometry --shell "$ZWIN")"
[ "$WIDTH" = 450 ] || fail "width $WIDTH, expected 450"
[ "$HEIGHT" -gt 472 ] && [ "$HEIGHT" -lt 520 ] || fail "height $HEIGHT: 472 plus a menu bar expected"
# Menu bar height: the content area starts below it.
menu=$((HEIGHT - 472))

# LF line breaks as other programs put them there; a no-break space that must stay, one whose
# two UTF-8 bytes were read as two characters (U+00C2 U+00A0) after a line break, and a line
# separator (U+2028), which the field shows as a line break and so must treat as one.
printf '> Dear Ann,\n>\n> the plan  is fine...\n> see you\n>\n>\n>\n> Bob\n\xc3\x82\xc2\xa0x 5\xc2\xa0km\nline\xe2\x80\xa8 next\n' \
  | xclip -i -selection clipboard
click_at "$ZWIN" 100 $((menu + 100))
xdotool key alt+e p
click_at "$ZWIN" 165 $((menu + 244))   # Complex

printf ' Dear Ann,the plan is fine.see youBobx 5\xc2\xa0km\nlinenext\n' >"$E2E_TMP/expected"
wait_for sh -c "xclip -o -selection clipboard >'$E2E_TMP/got' && cmp -s '$E2E_TMP/got' '$E2E_TMP/expected'" \
  || fail "clipboard after Complex: $(od -c "$E2E_TMP/got" | head -5)"

close_to_exit "$ZWIN"
echo "ok"
