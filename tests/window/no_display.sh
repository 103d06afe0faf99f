#!/usr/bin/env bash
# Without a display a program says, in its own words alone, that it cannot
# open one, and ends at once with a failure status, rather than waiting on a
# window nobody sees.
set -uo pipefail
program="$1"   # path to velmaris-a
source "$(dirname "$0")/xserver.sh"
# A display number no server holds: neither its lock file nor its socket
# is there.
n=999
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
# Without a run-time directory, where Wayland's library complains when it
# is tried.
for display in unset "" ":$n"; do
  if [ "$display" = unset ]; then
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u XDG_RUNTIME_DIR \
          timeout 10 "$program" 2>&1)
  else
    out=$(env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u XDG_RUNTIME_DIR DISPLAY="$display" \
          timeout 10 "$program" 2>&1)
  fi
  rc=$?
  echo "DISPLAY $display: status $rc: $out"
  [ "$rc" -ne 0 ] && [ "$rc" -ne 124 ] || fail "expected a quick failure status"
  case "$display" in
    unset|"") want="Velmaris-A: cannot open the display: DISPLAY is not set" ;;
    *) want="Velmaris-A: cannot open the display \"$display\"" ;;
  esac
  [ "$out" = "$want" ] || fail "expected only: $want"
done
