#!/usr/bin/env bash
# Runs one end-to-end script against the built program on a private Xvfb display.
set -euo pipefail
script=$1
export ZENDLE=$2
export WM_DELETE=$3
export CLIP_OWNER=$4
# Everything a run writes lives in one folder of its own, removed at the end however the run ends.
tmp=$(mktemp -d)
displayfile=$tmp/display
xvfblog=$tmp/xvfb.log
export E2E_LOG=$tmp/zendle.log
export E2E_TMP=$tmp/work
mkdir -m 700 "$E2E_TMP" "$tmp/runtime"
# Xvfb picks a free display itself and reports it, so parallel runs never share one.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >"$xvfblog" 2>&1 &
xvfb_pid=$!
# Wait for the server to be gone, so the next run cannot meet it on the same display number.
trap 'kill $xvfb_pid 2>/dev/null && wait $xvfb_pid 2>/dev/null; rm -rf "$tmp"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -1 "$displayfile")
# A busy machine can keep a new server from answering for a while, even after its first answer;
# wait until it answers three times in a row.
answered=0
for _ in $(seq 600); do
  if xdpyinfo >/dev/null 2>&1; then answered=$((answered + 1)); else answered=0; fi
  [ "$answered" -ge 3 ] && break
  sleep 0.1
done
[ "$answered" -ge 3 ] || { echo "Xvfb on $DISPLAY does not answer:"; xdpyinfo 2>&1 | head -3; cat "$xvfblog"; exit 1; }
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$tmp/runtime
bash "$script"
