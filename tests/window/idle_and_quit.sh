#!/usr/bin/env bash
# A program in a real window (virtual X server): waiting at its menu it uses
# next to no CPU and is not woken, typed keys reach it, and its quit item
# ends it.
set -euo pipefail
program="$1"   # path to velmaris-a
source "$(dirname "$0")/xserver.sh"
start_xserver
start_program "$program"
pid=$program_pid
sleep 2
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
t0=$(ticks)
sleep 4
t1=$(ticks)
used=$((t1 - t0))
echo "CPU over 4 s at the menu: $used ticks of $((4 * hz))"
# Under 1% of a core.
[ "$used" -le $((4 * hz / 100)) ] || fail "too busy"
# Waiting for a key sleeps until an event comes: no wake-ups on a timer.
switches() { awk '/ctxt_switches/ {n += $2} END {print n}' "/proc/$pid/status"; }
s0=$(switches)
sleep 2
s1=$(switches)
echo "wake-ups over 2 s at the menu: $((s1 - s0))"
[ $((s1 - s0)) -le 4 ] || fail "wakes while waiting"
xdotool type --window "$window" --delay 50 "6"
# The window may be gone before xdotool has sent the key release.
xdotool key --window "$window" Return 2>/dev/null || true
wait_for_end
[ "$status" -eq 0 ] || { program_errors; fail "status $status after the quit item"; }
echo "ended by its quit item"
