#!/usr/bin/env bash
# A program in a real window (virtual X server): waiting at its menu it uses
# next to no CPU and is not woken, typed keys reach it, and its quit item
# ends it.
set -euo pipefail
# The virtual X server has no session bus: SDL's start would fork to launch
# one while the program draws, and a fork beside a running thread can hang
# the child in the sanitizers' allocator.
export DBUS_SESSION_BUS_ADDRESS=disabled:
program="$1"   # path to velmaris-a
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY="$display" "$program" &
pid=$!
sleep 2
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
t0=$(ticks)
sleep 4
t1=$(ticks)
used=$((t1 - t0))
echo "CPU over 4 s at the menu: $used ticks of $((4 * hz))"
# Under 1% of a core.
[ "$used" -le $((4 * hz / 100)) ] || { echo "too busy"; exit 1; }
# Waiting for a key sleeps until an event comes: no wake-ups on a timer.
switches() { awk '/ctxt_switches/ {n += $2} END {print n}' "/proc/$pid/status"; }
s0=$(switches)
sleep 2
s1=$(switches)
echo "wake-ups over 2 s at the menu: $((s1 - s0))"
[ $((s1 - s0)) -le 4 ] || { echo "wakes while waiting"; exit 1; }
win=$(DISPLAY="$display" xdotool search --sync --name Velmaris | head -n 1)
DISPLAY="$display" xdotool type --window "$win" --delay 50 "6"
# The window may be gone before xdotool has sent the key release.
DISPLAY="$display" xdotool key --window "$win" Return 2>/dev/null || true
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || { wait "$pid"; echo "ended by its quit item"; exit 0; }
  sleep 0.1
done
echo "still running after the quit item"
kill "$pid"
exit 1
