#!/usr/bin/env bash
# A program in a real window (virtual X server) ended from outside:
#   close        another client destroys its window (a window tool's close
#                does): it ends as a closed window does, status 0, silent;
#   lose-display the X server goes away: it ends with a failure status and
#                one line of its own that says so.
set -euo pipefail
program="$1"   # path to velmaris-a
what="$2"
source "$(dirname "$0")/xserver.sh"
start_xserver
start_program "$program"
# The menu drawn and the program waiting for a key.
sleep 1
case "$what" in
  close)
    xdotool windowclose "$window"
    wait_for_end
    [ "$status" -eq 0 ] || { program_errors; fail "status $status after its window was destroyed"; }
    [ -z "$(program_errors)" ] || { program_errors; fail "it said something"; }
    echo "ended as a closed window does" ;;
  lose-display)
    kill "$xserver_pid"
    wait "$xserver_pid" || true
    xserver_pid=
    wait_for_end
    errors=$(program_errors)
    echo "status $status: $errors"
    [ "$status" -ne 0 ] || fail "status 0 without its display"
    [ "$errors" = "Velmaris-A: the display \"$DISPLAY\" was lost" ] ||
      fail "not one line of its own on the lost display" ;;
  *) fail "close or lose-display, not $what" ;;
esac
