# Sourced by the window tests: a virtual X server of the test's own, on a
# display number the server picks itself, and a program in a window on it,
# found by its process. Both are stopped when the test ends.

# The virtual X server has no session bus: SDL's start would fork to launch
# one while the program draws, and a fork beside a running thread can hang
# the child in the sanitizers' allocator.
export DBUS_SESSION_BUS_ADDRESS=disabled:
# The sanitizer build's leak check lists the suppressions it used as a
# program ends; the tests read what the program itself says.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0"

xserver_dir=$(mktemp -d)
xserver_pid=
program_pid=
# A stopped process's status is not the test's: under errexit a failed wait
# would end the clean-up early and leave the server running.
stop_all() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null && wait "$program_pid" 2>/dev/null || true; fi
  if [ -n "$xserver_pid" ]; then kill "$xserver_pid" 2>/dev/null && wait "$xserver_pid" 2>/dev/null || true; fi
  rm -rf "$xserver_dir"
}
trap stop_all EXIT

fail() {
  echo "$*"
  exit 1
}

# Starts the server, screen 1600 by 1000, and points DISPLAY at it. The
# server writes its display number once it takes connections. An X server
# resets when its last client leaves, and refuses a connection made while
# it does: without -noreset the program, starting just after the check
# below has left, can find no display.
start_xserver() {
  : >"$xserver_dir/display"
  Xvfb -displayfd 3 -noreset -screen 0 1600x1000x24 3>"$xserver_dir/display" >"$xserver_dir/xvfb.log" 2>&1 &
  xserver_pid=$!
  local n=
  for _ in $(seq 100); do
    read -r n <"$xserver_dir/display" && break
    kill -0 "$xserver_pid" 2>/dev/null || { cat "$xserver_dir/xvfb.log"; fail "the X server did not start"; }
    sleep 0.1
  done
  [[ "$n" =~ ^[0-9]+$ ]] || fail "the X server gave no display number"
  export DISPLAY=":$n"
  xdotool getdisplaygeometry >/dev/null || fail "the X server on $DISPLAY does not answer"
}

# Starts the program (its errors go to a file: program_errors) and waits
# up to 20 s for its window to show; sets window to the window's id.
start_program() {
  "$@" 2>"$xserver_dir/stderr" &
  program_pid=$!
  window=
  for _ in $(seq 200); do
    kill -0 "$program_pid" 2>/dev/null || {
      program_errors
      echo "the X server's log:"
      cat "$xserver_dir/xvfb.log"
      fail "the program ended before its window showed"
    }
    window=$(xdotool search --all --onlyvisible --pid "$program_pid" --name '^Velmaris$' 2>/dev/null |
             head -n 1) || true
    [ -n "$window" ] && return 0
    sleep 0.1
  done
  fail "no window of the program after 20 s"
}

# Waits up to 10 s for the program to end; sets status to its exit status.
wait_for_end() {
  for _ in $(seq 100); do
    if ! kill -0 "$program_pid" 2>/dev/null; then
      status=0
      wait "$program_pid" || status=$?
      program_pid=
      return 0
    fi
    sleep 0.1
  done
  fail "the program still runs after 10 s"
}

# What the program wrote to its standard error.
program_errors() {
  cat "$xserver_dir/stderr"
}
