#!/usr/bin/env bash
# A program in a real window (virtual X server) shows the right picture: its
# menu once started, the same again after another window covered part of it
# and went away, the menu scaled to a smaller window, and the first picture
# again at the first size.
set -euo pipefail
# The virtual X server has no session bus: SDL's start would fork to launch
# one while the program draws, and a fork beside a running thread can hang
# the child in the sanitizers' allocator.
export DBUS_SESSION_BUS_ADDRESS=disabled:
program="$1"   # path to velmaris-a
probe="$2"     # path to velmaris-xprobe
n=$((90 + RANDOM % 100))
while [ -e "/tmp/.X$n-lock" ]; do n=$((90 + RANDOM % 100)); done
export DISPLAY=":$n"
# 1600 by 1000 shows the 1440 by 900 canvas at 10/9 with no margins.
Xvfb "$DISPLAY" -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
pid=
trap 'kill $pid 2>/dev/null && wait $pid 2>/dev/null; kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do "$probe" sum >/dev/null 2>&1 && break; sleep 0.1; done
"$program" &
pid=$!
# Waits up to 5 s for a command's output to be the given text.
wait_for() {
  local want="$1"; shift
  for _ in $(seq 50); do
    [ "$("$@")" = "$want" ] && return 0
    sleep 0.1
  done
  return 1
}
panel=005050   # the menu panel's fill
# The panel at canvas (1200, 500), the white below it at (700, 800).
wait_for "$panel" "$probe" pixel 1333 556 || { echo "no menu panel after start"; exit 1; }
wait_for ffffff "$probe" pixel 778 889 || { echo "no white below the menu"; exit 1; }
sleep 0.3
first=$("$probe" sum)
"$probe" cover 200 150 900 500 300
wait_for "$first" "$probe" sum || { echo "the covered part was not restored"; exit 1; }
win=$(xdotool search --sync --name Velmaris | head -n 1)
# 1000 by 700: the canvas at 1000/1440, 37 pixels down. Canvas (700, 800)
# is white below the panel there, but in the panel at the first size.
xdotool windowsize "$win" 1000 700
wait_for ffffff "$probe" pixel 486 592 || { echo "not the smaller picture after the resize"; exit 1; }
wait_for "$panel" "$probe" pixel 833 384 || { echo "no menu panel after the resize"; exit 1; }
sleep 0.3
small=$("$probe" sum)
"$probe" cover 100 100 500 300 300
wait_for "$small" "$probe" sum || { echo "the covered part was not restored after the resize"; exit 1; }
xdotool windowsize "$win" 1600 1000
wait_for "$first" "$probe" sum || { echo "not the first picture back at the first size"; exit 1; }
echo "the picture is right after start, cover and resize"
