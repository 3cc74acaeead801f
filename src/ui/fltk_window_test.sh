#!/bin/bash
# Drives a real main window under Xvfb with xdotool: its client area and control
# positions in pixels, the access keys, Enter, space and Escape, a run's progress lines,
# the About box, and Exit. Fails when Xvfb, xdotool or the display is not there.
# Usage: fltk_window_test.sh <fltk_window_check> <work folder> [screenshot folder]
set -u

check=$1
work=$2
shots=${3:-${QUILLON_SCREENSHOT_DIR:-}}
source "$(dirname "$0")/xvfb_session.sh"

require_tools Xvfb xdotool xwininfo xdpyinfo xprop

# The visible window named Quillon other than window $1: a message box over it.
message_box_id() {
  local id
  for id in $(timeout 10 xdotool search --onlyvisible --name '^Quillon$'); do
    [ "$id" != "$1" ] && { echo "$id"; return 0; }
  done
  fail "no message box over the main window"
}

shoot() {
  [ -n "$shots" ] || return 0
  mkdir -p "$shots"
  import -window "$(window_id "$1")" "$shots/$2" || fail "screenshot $2"
}

# Starts the program on a fresh work folder, with the arguments given.
start_driver() {
  rm -rf "$work/c" "$work/state" "$work"/*.* 2>/dev/null
  mkdir -p "$work/c/TEMP"
  QUILLON_DRIVE_C="$work/c" "$check" "$work" "$work/state" "$@" >"$work/driver.out" 2>&1 &
  driver_pid=$!
}

# Alt+E closes the window, and the program ends.
exit_and_end() {
  local i status
  keys_to Quillon alt+e
  for i in $(seq 100); do kill -0 "$driver_pid" 2>/dev/null || break; sleep 0.1; done
  wait "$driver_pid"
  status=$?
  driver_pid=
  [ "$status" = 0 ] || fail "the program ended with $status"
  grep -qx closed "$work/driver.out" || fail "the window did not close"
}

rm -rf "$work"
mkdir -p "$work"
start_display
start_driver

# Layout: the client area below the menu bar, each control at its twips / 15. With no
# window manager the outer window is 433 x 265: centred on 1280 x 1024 it stands at
# (423, 379), so its client area starts at (423, 404).
wait_line '^window 423 404 433 240 Quillon$'
main=$(window_id Quillon)
xwininfo -id "$main" | grep -q 'Width: 433' || fail "main window is not 433 pixels wide"
xwininfo -id "$main" | grep -q 'Height: 265' || fail "main window is not 240 + menu bar high"
xprop -id "$main" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "main window has no 32 x 32 icon"
for layout in 'menubar 0 -25 433 25' 'frame 4 0 425 237' 'list 12 16 409 173 1 1' \
              'text 12 204 137 21 1 0 .* C:\\TEMP\\LOG.TXT$' 'button 160 200 81 29 1 0 .* &Analyse$' \
              'button 340 200 81 29 1 0 .* &Exit$'; do
  wait_line "^widget $layout"
done
wait_line '^scroll 6235$'
wait_line "^line Reading date keywords from : $work/keywords.txt$"

# Escape presses nothing; Alt+A runs the analysis into the list.
keys_to Quillon Escape alt+a
wait_line '^line Finished$'
e_acute=$'\xc3\xa9'  # the component's Windows-1252 byte E9, shown as UTF-8
expected="Reading date keywords from : $work/keywords.txt
3 Components found in project
Date Analysing : frmMain, $work/frmMain.frm
Date Analysing : modDates, $work/modDates.bas
Date Analysing : clsLedg${e_acute}r, $work/clsLedger.cls
Finished"
[ "$(sed -n 's/^line //p' "$work/state")" = "$expected" ] || fail "progress lines differ"
wait_line '^widget button 160 200 81 29 1 .* &Analyse$'
[ "$(grep -c '^Analysis of ' "$work/c/TEMP/LOG.TXT")" = 3 ] || fail "log has not 3 blocks"
shoot Quillon main-window.png

# Tab from the list to the text box and on to Analyse; Enter presses the focused button.
keys_to Quillon Tab Tab
wait_line '^widget button 160 200 81 29 1 1 .* &Analyse$'
keys_to Quillon Return
for i in $(seq 100); do [ "$(count_lines '^line Finished$')" = 2 ] && break; sleep 0.1; done
[ "$(count_lines '^line ')" = 11 ] || fail "a second run did not follow the first"

# File > About opens the About box with Ok focused; Escape leaves it, Alt+O closes it.
keys_to Quillon alt+f b
wait_line '^window 91 108 303 203 About Quillon$'
for layout in 'button 124 168 57 25 1 1 12 0 &Ok$' 'label 20 8 265 21 1 0 13 0 Quillon' \
              'label 20 40 101 21 1 0 11 0 ' 'label 128 40 157 21 1 0 11 ff00 ' \
              'label 20 68 145 21 1 0 11 0 Check out Quillon at$' 'label 20 84 213 21 1 0 11 ff00 '; do
  wait_line "^widget $layout"
done
shoot 'About Quillon' about-box.png
keys_to 'About Quillon' Escape
sleep 0.3
wait_line 'About Quillon$'
keys_to 'About Quillon' alt+o
wait_no_line 'About Quillon$'

# Space presses the focused Ok.
keys_to Quillon alt+f b
wait_line 'About Quillon$'
keys_to 'About Quillon' space
wait_no_line 'About Quillon$'

exit_and_end

# Without keywords.txt: the keyword failure shows (no icon) before the window; Analyse
# is then refused with an information icon, and Return or Escape answers each box.
start_driver --no-keywords
wait_line '^widget label .* \(SetupKeywords\), Error : 53, '
[ "$(count_lines '^window ')" = 1 ] || fail "the main window showed before the keyword failure"
wait_line '^window -?[0-9]+ -?[0-9]+ [0-9]+ [0-9]+ Quillon$'
[ "$(count_lines '^widget box ')" = 0 ] || fail "the keyword failure has an icon"
keys_to Quillon Return
wait_line '^window -?[0-9]+ -?[0-9]+ 433 240 Quillon$'
main=$(window_id Quillon)
keys_to_id "$main" alt+a
wait_line "^widget label .* Can not perform Date Analysis because the date keywords have not been loaded from : $work/keywords.txt\|Make sure"
wait_line '^widget box [0-9]+ [0-9]+ 32 32 .* i$'
keys_to_id "$(message_box_id "$main")" Escape
wait_no_line 'Can not perform'
[ "$(count_lines '^line ')" = 1 ] || fail "a run started without keywords"
exit_and_end
echo "PASS"
