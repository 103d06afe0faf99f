#!/usr/bin/env bash
# Without a display a program says that it cannot open one and ends at once
# with a failure status, rather than waiting on a window nobody sees.
set -uo pipefail
# No session bus either: SDL's start would fork to launch one while the
# program draws, and a fork beside a running thread can hang the child in
# the sanitizers' allocator.
export DBUS_SESSION_BUS_ADDRESS=disabled:
program="$1"   # path to velmaris-a
for display in unset ":9999"; do
  if [ "$display" = unset ]; then
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 10 "$program" 2>&1)
  else
    out=$(env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY="$display" timeout 10 "$program" 2>&1)
  fi
  rc=$?
  echo "DISPLAY $display: status $rc: $out"
  [ "$rc" -ne 0 ] && [ "$rc" -ne 124 ] || { echo "expected a quick failure status"; exit 1; }
  grep -q "cannot open the display" <<<"$out" || { echo "no message"; exit 1; }
done
