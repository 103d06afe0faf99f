#!/usr/bin/env bash
# A program in a real window (virtual X server) shows the right picture: its
# menu once started, the same again after another window covered part of it
# and went away, the menu scaled to a smaller window, and the first picture
# again at the first size.
set -euo pipefail
program="$1"   # path to velmaris-a
probe="$2"     # path to velmaris-xprobe
source "$(dirname "$0")/xserver.sh"
# 1600 by 1000 shows the 1440 by 900 canvas at 10/9 with no margins.
start_xserver
start_program "$program"
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
wait_for "$panel" "$probe" pixel 1333 556 || fail "no menu panel after start"
wait_for ffffff "$probe" pixel 778 889 || fail "no white below the menu"
sleep 0.3
first=$("$probe" sum)
"$probe" cover 200 150 900 500 300
wait_for "$first" "$probe" sum || fail "the covered part was not restored"
# 1000 by 700: the canvas at 1000/1440, 37 pixels down. Canvas (700, 800)
# is white below the panel there, but in the panel at the first size.
xdotool windowsize "$window" 1000 700
wait_for ffffff "$probe" pixel 486 592 || fail "not the smaller picture after the resize"
wait_for "$panel" "$probe" pixel 833 384 || fail "no menu panel after the resize"
sleep 0.3
small=$("$probe" sum)
"$probe" cover 100 100 500 300 300
wait_for "$small" "$probe" sum || fail "the covered part was not restored after the resize"
xdotool windowsize "$window" 1600 1000
wait_for "$first" "$probe" sum || fail "not the first picture back at the first size"
echo "the picture is right after start, cover and resize"
