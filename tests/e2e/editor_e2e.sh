#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Drives the real editor on a private X display the way a person would: mouse
# clicks on the buttons, file names typed into the real dialogs, answers to the
# real message boxes. Checks the window title after each step and the album
# files byte for byte against what the command-line companion writes for the
# same pictures. Every wait is bounded; on failure a screenshot and the window
# tree are saved to a folder that is printed.
#
# usage: editor_e2e.sh VALBUM_EDITOR VALBUM
set -uo pipefail

editor=$1
cli=$2
work=$(mktemp -d /tmp/valbum-e2e.XXXXXX)
pids=()

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
}
trap cleanup EXIT

fail() {
  local artifacts=$work/failure
  mkdir -p "$artifacts"
  import -window root "$artifacts/screen.png" 2>/dev/null
  xwininfo -root -tree >"$artifacts/windows.txt" 2>&1
  cp "$work/editor.log" "$work/openbox.log" "$artifacts/" 2>/dev/null
  echo "E2E FAILED: $*" >&2
  echo "screenshot, window tree and editor output in $artifacts" >&2
  exit 1
}

# Polls a command until it succeeds, for at most $1 seconds.
wait_until() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# A private display, with a window manager so that windows get focus and can be
# asked to close. Other runs of this test, and other programs, may hold display
# numbers this machine's /tmp does not show (X servers also listen on abstract
# sockets), and anything started without a display set may try :0. So take a
# random high number and let Xvfb refuse it when it is in use; it writes the
# number to the given descriptor once it is ready. Without -noreset the server
# resets when its last client leaves, and the next one to connect in that
# moment (the window manager, after xdpyinfo) is turned away.
for attempt in 1 2 3 4 5; do
  : >"$work/display"
  exec {display_fd}>"$work/display"
  Xvfb ":$((2000 + RANDOM % 30000))" -displayfd "$display_fd" -noreset -screen 0 1024x768x24 -nolisten tcp \
    >/dev/null 2>&1 &
  xvfb_pid=$!
  exec {display_fd}>&-
  xvfb_ready_or_gone() { [[ -s "$work/display" ]] || ! kill -0 "$xvfb_pid" 2>/dev/null; }
  wait_until 10 xvfb_ready_or_gone
  [[ -s "$work/display" ]] && break
  kill "$xvfb_pid" 2>/dev/null
done
[[ -s "$work/display" ]] || fail "Xvfb did not start"
pids+=("$xvfb_pid")
export DISPLAY=:$(head -n 1 "$work/display")
wait_until 10 xdpyinfo || fail "Xvfb did not answer on $DISPLAY"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_until 10 wmctrl -m || fail "the window manager did not start"

export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# Pictures as a user has them.
convert -size 64x48 gradient:white-black "BMP3:$work/gradient.bmp"
convert -size 100x50 xc:red -fill blue -draw "rectangle 20,10 60,40" "$work/shapes.png"
convert -size 92x92 xc:'#c0c0c0' -fill black -draw "circle 46,46 46,20" "$work/circle.png"
printf 'this is not an album' >"$work/damaged.valbum"

"$editor" >"$work/editor.log" 2>&1 &
editor_pid=$!
pids+=("$editor_pid")

window_named() { xdotool search --onlyvisible --name "^$1\$" | head -n 1; }
wait_until 20 window_named 'Vemo ZidarUzura editor - ' || fail "the editor window did not appear"
main=$(window_named 'Vemo ZidarUzura editor - ')

expect_title() {
  local expected=$1
  title_is() { [[ "$(xdotool getwindowname "$main")" == "$expected" ]]; }
  wait_until 10 title_is || fail "window title is '$(xdotool getwindowname "$main")', expected '$expected'"
}

geometry=$(xdotool getwindowgeometry "$main" | awk '/Geometry/ {print $2}')
[[ "$geometry" == 378x410 ]] || fail "window size is $geometry, expected 378x410"
expect_title 'Vemo ZidarUzura editor - '

# Clicks at a point of the main window's client area.
click() {
  xdotool windowactivate --sync "$main" >/dev/null 2>&1
  xdotool mousemove --window "$main" "$1" "$2" click 1
}
# Button centres, from the window's layout.
button_load=(290 19) button_save=(290 49) button_saveas=(290 74) button_add=(290 231)
button_insert=(290 256) button_append=(290 281) button_delete=(290 306) button_up=(290 336) button_down=(290 361)
password_field=(333 151)
entry() { echo 104 $((8 + 48 + 96 * $1)); } # centre of list entry N while the list is at its top

# Types a path into the file name box of the dialog titled $1 and accepts it.
# With a third argument "as-offered" the box is typed into as it opens, which
# must replace the name chosen there last time.
choose_file() {
  local title=$1 path=$2
  wait_until 10 window_named "$title" || fail "no '$title' dialog"
  local dialog
  dialog=$(window_named "$title")
  xdotool windowactivate --sync "$dialog" >/dev/null 2>&1
  [[ ${3:-} == as-offered ]] || xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 5 "$path"
  sleep 0.3
  xdotool key Return
  # A completion list may take the first Return; a second one accepts.
  if wait_until 2 window_named "$title"; then
    dialog_gone() { [[ -z "$(window_named "$title")" ]]; }
    wait_until 1 dialog_gone || xdotool key Return
  fi
  dialog_gone() { [[ -z "$(window_named "$title")" ]]; }
  wait_until 10 dialog_gone || fail "the '$title' dialog did not close after choosing $path"
}

# Presses a key in the message box titled $1 and waits until it is gone.
answer_box() {
  local title=$1 key=$2
  wait_until 10 window_named "$title" || fail "no message box '$title'"
  xdotool windowactivate --sync "$(window_named "$title")" >/dev/null 2>&1
  xdotool key "$key"
  box_gone() { [[ -z "$(window_named "$title")" ]]; }
  wait_until 10 box_gone || fail "the '$title' box did not close"
}

# 1. Two pictures through the real picture dialog, and a password.
click "${button_add[@]}"
choose_file 'Open' "$work/gradient.bmp"
expect_title 'Vemo ZidarUzura editor* - '
click "${button_add[@]}"
choose_file 'Open' "$work/shapes.png" as-offered
click "${password_field[@]}"
xdotool type --delay 20 '1234x5'
expect_title 'Vemo ZidarUzura editor* - '

# 2. Save through the real save dialog; the extension is added.
click "${button_save[@]}"
choose_file 'Save As' "$work/first"
expect_title 'Vemo ZidarUzura editor - first.valbum'
"$cli" create --password 12345 "$work/expected-first.valbum" "$work/gradient.bmp" "$work/shapes.png" >/dev/null ||
  fail "valbum create failed"
cmp "$work/first.valbum" "$work/expected-first.valbum" || fail "the saved album differs from the expected bytes"

# 3. Load it back, then append a second album.
"$cli" create --password 777 "$work/second.valbum" "$work/circle.png" >/dev/null || fail "valbum create failed"
click "${button_load[@]}"
choose_file 'Open' "$work/first.valbum"
expect_title 'Vemo ZidarUzura editor - first.valbum'
click "${button_append[@]}"
choose_file 'Open' "$work/second.valbum"
expect_title 'Vemo ZidarUzura editor* - second.valbum'

# 4. Delete the first picture, move the (new) last one up, save as a third album.
click $(entry 0)
click "${button_delete[@]}"
click $(entry 1)
click "${button_up[@]}"
click "${button_saveas[@]}"
choose_file 'Save As' "$work/third.valbum"
expect_title 'Vemo ZidarUzura editor - third.valbum'
# Expected: the circle, then the shapes, with the appended album's password.
mkdir -p "$work/extracted"
"$cli" extract "$work/first.valbum" "$work/extracted" >/dev/null || fail "valbum extract failed"
"$cli" create --password 777 "$work/expected-third.valbum" "$work/circle.png" "$work/extracted/001.png" >/dev/null ||
  fail "valbum create failed"
cmp "$work/third.valbum" "$work/expected-third.valbum" || fail "the album after delete and move differs"

# 5. A damaged file: the message, and nothing changes.
click "${button_load[@]}"
choose_file 'Open' "$work/damaged.valbum"
answer_box 'Vemo ZidarUzura' Return
expect_title 'Vemo ZidarUzura editor - third.valbum'

# 6. Close with unsaved changes: No keeps the window, Yes closes it.
click "${password_field[@]}"
xdotool key --clearmodifiers End BackSpace
expect_title 'Vemo ZidarUzura editor* - third.valbum'
wmctrl -i -c "$main"
answer_box 'Vemo ZidarUzura editor' Return # No is the default
kill -0 "$editor_pid" 2>/dev/null || fail "the editor closed although the answer was No"
wmctrl -i -c "$main"
answer_box 'Vemo ZidarUzura editor' alt+y
editor_gone() { ! kill -0 "$editor_pid" 2>/dev/null; }
wait_until 10 editor_gone || fail "the editor did not close after Yes"
wait "$editor_pid"
status=$?
[[ $status -eq 0 ]] || fail "the editor exited with status $status"
cmp "$work/third.valbum" "$work/expected-third.valbum" || fail "closing without saving touched the album"

# 7. An album named on the command line opens in the new window; two pictures
# chosen at once in the picture dialog come in, in that order, and are saved.
"$editor" "$work/third.valbum" >"$work/editor.log" 2>&1 &
editor_pid=$!
pids+=("$editor_pid")
wait_until 20 window_named 'Vemo ZidarUzura editor - third.valbum' ||
  fail "the editor did not open the album named on its command line"
main=$(window_named 'Vemo ZidarUzura editor - third.valbum')
click "${button_add[@]}"
choose_file 'Open' "\"$work/circle.png\" \"$work/shapes.png\""
expect_title 'Vemo ZidarUzura editor* - third.valbum'
click "${button_save[@]}"
expect_title 'Vemo ZidarUzura editor - third.valbum'
mkdir -p "$work/extracted-third"
"$cli" extract "$work/expected-third.valbum" "$work/extracted-third" >/dev/null || fail "valbum extract failed"
"$cli" create --password 777 "$work/expected-fourth.valbum" "$work/extracted-third/000.png" \
  "$work/extracted-third/001.png" "$work/circle.png" "$work/shapes.png" >/dev/null || fail "valbum create failed"
cmp "$work/third.valbum" "$work/expected-fourth.valbum" || fail "the album after adding two pictures at once differs"
wmctrl -i -c "$main"
wait_until 10 editor_gone || fail "the editor did not close"
wait "$editor_pid"
status=$?
[[ $status -eq 0 ]] || fail "the editor exited with status $status"

# 8. The capacity line as the screen shows it: the colour of its text that
# stands out most from the colour most of its pixels have, at 4.5:1 or more,
# grey while every image fits and red once some would be left out.
capacity_line() {
  import -window "$main" -crop 159x13+211+391 +repage "$work/line.png" 2>/dev/null || return 1
  convert "$work/line.png" -format %c histogram:info:- | awk '
    function lin(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
    function lum(r, g, b) { return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b) }
    {
      count = $1 + 0
      if (!match($0, /\(([0-9]+),([0-9]+),([0-9]+)/)) next
      split(substr($0, RSTART + 1, RLENGTH - 1), c, ",")
      n++; r[n] = c[1]; g[n] = c[2]; b[n] = c[3]
      if (count > most) { most = count; bg = n }
    }
    END {
      lb = lum(r[bg], g[bg], b[bg]); best = 1
      for (i = 1; i <= n; i++) {
        l = lum(r[i], g[i], b[i])
        ratio = (l > lb ? l + 0.05 : lb + 0.05) / (l > lb ? lb + 0.05 : l + 0.05)
        if (ratio > best) { best = ratio; ink = i }
      }
      red = r[ink] > g[ink] + 64 && r[ink] > b[ink] + 64
      printf "%.2f %s %d,%d,%d on %d,%d,%d\n", best, red ? "red" : "grey", r[ink], g[ink], b[ink], r[bg], g[bg], b[bg]
    }'
}
line_reads() { # $1: grey or red
  local measured
  measured=$(capacity_line) || return 1
  echo "$measured" >"$work/line.txt"
  awk -v want="$1" '{ exit !($1 >= 4.5 && $2 == want) }' <<<"$measured"
}
for i in $(seq 1 15); do convert -size 92x92 xc:gray -seed "$i" +noise Random "$work/noise$i.png"; done
"$cli" create "$work/noisy.valbum" "$work"/noise*.png >/dev/null || fail "valbum create failed"
"$editor" "$work/noisy.valbum" >"$work/editor.log" 2>&1 &
editor_pid=$!
pids+=("$editor_pid")
wait_until 20 window_named 'Vemo ZidarUzura editor - noisy.valbum' || fail "the editor did not open noisy.valbum"
main=$(window_named 'Vemo ZidarUzura editor - noisy.valbum')
wait_until 20 line_reads grey || fail "the capacity line does not read grey at 4.5:1: $(cat "$work/line.txt")"
echo "capacity line, all fit: $(cat "$work/line.txt")"
click "${button_append[@]}"
choose_file 'Open' "$work/noisy.valbum"
expect_title 'Vemo ZidarUzura editor* - noisy.valbum'
wait_until 20 line_reads red || fail "the capacity line does not read red at 4.5:1: $(cat "$work/line.txt")"
echo "capacity line, images left out: $(cat "$work/line.txt")"
wmctrl -i -c "$main"
answer_box 'Vemo ZidarUzura editor' alt+y
wait_until 10 editor_gone || fail "the editor did not close"
wait "$editor_pid"

rm -rf "$work"
echo "end-to-end: all steps passed"
