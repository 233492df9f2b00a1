#!/usr/bin/env bash
# Runs one end-to-end script against the built program on a private Xvfb display.
set -euo pipefail
script=$1
export ZENDLE=$2
export WM_DELETE=$3
# Xvfb picks a free display itself and reports it, so parallel runs never share one.
displayfile=$(mktemp)
xvfblog=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >"$xvfblog" 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true; rm -f "$displayfile" "$xvfblog"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -1 "$displayfile")
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb on $DISPLAY does not answer:"; cat "$xvfblog"; exit 1; }
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$(mktemp -d)
bash "$script"
