#!/bin/bash
# Drives the real environment window under Xvfb with xdotool: its title and component
# list, the add-in's "Quillon..." item on the Add-Ins menu, the main window that the item
# opens, and the item gone once the environment has closed; first through the check
# driver, which reports what the windows hold, then through `quillon ide` itself.
# Fails when Xvfb, xdotool or the display is not there.
# Usage: environment_window_test.sh <environment_window_check> <quillon> <work folder>
set -u

check=$1
quillon=$2
work=$3
source "$(dirname "$0")/../ui/xvfb_session.sh"

require_tools Xvfb xdotool xdpyinfo

title='Ledger - Quillon environment'

# Waits up to 10 s for the program started last to end, and fails unless it ended with 0.
wait_end() {
  local i status
  for i in $(seq 100); do kill -0 "$driver_pid" 2>/dev/null || break; sleep 0.1; done
  wait "$driver_pid"
  status=$?
  driver_pid=
  [ "$status" = 0 ] || fail "the program ended with $status: $(cat "$work/driver.out")"
}

# Waits up to 10 s until no visible window is named $1.
wait_window_gone() {
  local i
  for i in $(seq 100); do
    [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ] && return 0
    sleep 0.1
  done
  fail "window $1 is still there"
}

# Alt+I opens the Add-Ins menu; its first item is "Quillon...".
choose_quillon() {
  keys_to "$title" alt+i
  sleep 0.3
  keys_to "$title" Down Return
}

rm -rf "$work"
mkdir -p "$work/windows"
export WINDIR="$work/windows"
start_display

# The driver: the window's title, its components and exactly one item on Add-Ins.
"$check" "$work" "$work/state" >"$work/driver.out" 2>&1 &
driver_pid=$!
wait_line "^window $title\$"
wait_line "^line Dates: $work/dates.bas\$"
wait_line "^line Book: $work/book.cls\$"
wait_line '^menu &File/E&xit$'
wait_line '^menu Add-&Ins/Quillon\.\.\.$'
[ "$(count_lines '^menu Add-&Ins/.')" = 1 ] || fail "Add-Ins does not hold one item"

# Choosing it opens the main window over the environment; Alt+E closes it. Twice.
for round in 1 2; do
  choose_quillon
  wait_line '^window Quillon$'
  wait_line "^line Reading date keywords from : "
  window_id Quillon >/dev/null
  keys_to Quillon alt+e
  wait_no_line '^window Quillon$'
done

# File, Exit closes the environment, which disconnects the add-in: the item is gone.
keys_to "$title" alt+f x
wait_end
grep -qx closed "$work/driver.out" || fail "the environment window did not close"
grep -qx 'final menu Add-&Ins/' "$work/driver.out" || fail "the Add-Ins menu is gone: $(cat "$work/driver.out")"
! grep -q '^final menu Add-&Ins/.' "$work/driver.out" || fail "an item is left: $(cat "$work/driver.out")"
grep -qx 'captions 0' "$work/driver.out" || fail "the application's menu keeps an item"

# The command itself: the same window over the project, the main window from its item,
# and exit status 0 when the environment closes.
"$quillon" ide "$work/ledger.vbp" >"$work/driver.out" 2>&1 &
driver_pid=$!
window_id "$title" >/dev/null
choose_quillon
window_id Quillon >/dev/null
keys_to Quillon alt+e
wait_window_gone Quillon
keys_to "$title" alt+f x
wait_end
wait_window_gone "$title"
[ -f "$work/windows/VB.INI" ] || fail "quillon ide did not run the start-up registration"
echo "PASS"
