# Shared by the checks that drive real windows under Xvfb with xdotool. The sourcing
# script sets $work (its work folder, with the state file its driver writes) and may set
# $driver_pid; starting the display sets $xvfb_pid. Both are killed on exit.
xvfb_pid=
driver_pid=

fail() { echo "FAIL: $*" >&2; [ -f "$work/state" ] && sed 's/^/  state: /' "$work/state" >&2; exit 1; }

cleanup() {
  [ -n "$driver_pid" ] && kill "$driver_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

# Fails unless every tool named is installed.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
  done
}

# Starts Xvfb on a display number that it picks itself and reports once it is ready,
# so that checks run side by side never share a display.
start_display() {
  local n tries
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for tries in $(seq 100); do
    n=$(head -n 1 "$work/display" 2>/dev/null)
    if [ -n "$n" ] && xdpyinfo -display ":$n" >/dev/null 2>&1; then
      export DISPLAY=":$n"
      return 0
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  fail "no Xvfb display could be started: $(cat "$work/xvfb.log")"
}

# Waits up to 10 s for a state line matching the extended regular expression $1.
wait_line() {
  local i
  for i in $(seq 100); do
    grep -qE -- "$1" "$work/state" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "no state line matches: $1"
}

# Waits up to 10 s until no state line matches $1.
wait_no_line() {
  local i
  for i in $(seq 100); do
    [ -f "$work/state" ] && ! grep -qE -- "$1" "$work/state" && return 0
    sleep 0.1
  done
  fail "a state line still matches: $1"
}

count_lines() { grep -cE -- "$1" "$work/state"; }

window_id() {
  local id
  id=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1)
  [ -n "$id" ] || fail "no window named $1"
  echo "$id"
}

# Gives the keyboard focus to the window named $1 (activating it where a window manager
# can), then sends the keys that follow.
keys_to() {
  local name=$1
  shift
  keys_to_id "$(window_id "$name")" "$@"
}

keys_to_id() {
  local id=$1 i
  shift
  for i in 1 2 3 4 5; do
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || xdotool windowfocus --sync "$id" \
      && break
    sleep 0.2
  done
  xdotool key --clearmodifiers "$@"
}

