#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads the real editor's window through AT-SPI, as a screen reader does, on a
# private X display and session bus: the window is a frame, the list and the
# password field have names, and each thumbnail is named as its label reads,
# with what becomes of it as its description: nothing while it is kept, the
# reason once it would be left out of the saved album.
#
# usage: editor_accessibility.sh VALBUM_EDITOR VALBUM
set -uo pipefail

if [[ -z "${DBUS_SESSION_BUS_ADDRESS:-}" || -z "${VALBUM_A11Y_SESSION:-}" ]]; then
  exec env VALBUM_A11Y_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi

editor=$1
cli=$2
work=$(mktemp -d /tmp/valbum-a11y.XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "ACCESSIBILITY CHECK FAILED: $*" >&2
  exit 1
}

: >"$work/display"
exec {display_fd}>"$work/display"
Xvfb ":$((2000 + RANDOM % 30000))" -displayfd "$display_fd" -noreset -screen 0 1024x768x24 -nolisten tcp \
  >/dev/null 2>&1 &
pids+=($!)
exec {display_fd}>&-
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
[[ -s "$work/display" ]] || fail "Xvfb did not start"
export DISPLAY=:$(head -n 1 "$work/display")

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

for i in 1 2 3; do convert -size 92x92 "xc:gray$((i * 20))" "$work/picture$i.png"; done
"$cli" create "$work/three.valbum" "$work"/picture*.png >/dev/null || fail "valbum create failed"
# Noise hardly compresses: fifteen noisy images fill most of an album, so
# appended twice to the three flat greys, the last of them no longer fit.
for i in $(seq 1 15); do convert -size 92x92 xc:gray -seed "$i" +noise Random "$work/noise$i.png"; done
"$cli" create "$work/noisy.valbum" "$work"/noise*.png >/dev/null || fail "valbum create failed"
export NOISY_ALBUM=$work/noisy.valbum
"$editor" "$work/three.valbum" >"$work/editor.log" 2>&1 &
pids+=($!)

/usr/bin/python3 - <<'PY' || fail "see above"
import sys, time
import pyatspi

def find_app():
    for _ in range(200):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "valbum-editor":
                return app
        time.sleep(0.1)
    sys.exit("the editor did not appear on the accessibility bus")

def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)

app = find_app()
problems = []
for _ in range(100):
    nodes = list(walk(app))
    items = [n for n in nodes if n.getRoleName() == "list item"]
    if len(items) == 3:
        break
    time.sleep(0.1)

windows = [n for n in app if n is not None]
if not windows or windows[0].getRoleName() != "frame":
    problems.append("the window is %r, not a frame" % (windows[0].getRoleName() if windows else None))
lists = [n for n in nodes if n.getRoleName() == "list"]
if [l.name for l in lists] != ["Album images"]:
    problems.append("lists named %r" % [l.name for l in lists])
names = [n.name for n in items]
if names != ["Image 000", "Image 001", "Image 002"]:
    problems.append("thumbnails named %r" % names)
passwords = [n for n in nodes if n.getRoleName() in ("password text", "text", "entry")]
if [p.name for p in passwords] != ["Album password:"]:
    problems.append("password fields named %r" % [p.name for p in passwords])
print("window role: %s; list: %r; thumbnails: %r; password field: %r"
      % (windows[0].getRoleName() if windows else None, [l.name for l in lists], names,
         [p.name for p in passwords]))
if problems:
    sys.exit("; ".join(problems))

# Append the noisy album twice as a screen-reader user would: press the
# button, type the name into the dialog's file name field, press Open.
import os

def wait_for(find, what, seconds=20):
    for _ in range(seconds * 10):
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit("no " + what)

def press(node):
    node.queryAction().doAction(0)

def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)

def thumbnails():
    return [n for n in walk(lists[0]) if n.getRoleName() == "list item"]

def append(path):
    before = len(thumbnails())
    button = [n for n in walk(app) if n.getRoleName() == "push button" and "Append Album" in n.name]
    if not button:
        sys.exit("no Append Album... button")
    press(button[0])
    dialog = wait_for(lambda: [n for n in app if n is not None and n.getRoleName() == "dialog" and n.name == "Open"
                               and showing(n)], "Open dialog")[0]
    fields = [n for n in walk(dialog) if n.getRoleName() == "text" and n.getState().contains(pyatspi.STATE_EDITABLE)
              and "file name" in n.name.lower()]
    buttons = [n for n in walk(dialog) if n.getRoleName() == "push button" and n.name.replace("&", "") == "Open"]
    if not fields or not buttons:
        sys.exit("no file name field or Open button in the Open dialog")
    fields[0].queryEditableText().setTextContents(path)
    press(buttons[0])
    wait_for(lambda: len(thumbnails()) > before, "new thumbnails after appending " + path)

for _ in range(2):
    append(os.environ["NOISY_ALBUM"])

def described():
    items = thumbnails()
    return items if items and items[-1].description else None

items = wait_for(described, "description on the last thumbnail once the album is over the limit")
descriptions = [(n.name, n.description) for n in items]
kept = [d for d in descriptions if not d[1]]
left_out = [d for d in descriptions if d[1]]
print("after appending noisy.valbum twice: %d thumbnails, %d kept; %d left out, the first reading %r"
      % (len(items), len(kept), len(left_out), left_out[:1]))
if descriptions[0] != ("Image 000", ""):
    problems.append("the first thumbnail, which fits, reads %r" % (descriptions[0],))
if not left_out or descriptions[-1] != ("Image %03d" % (len(items) - 1), "will not be saved: the album is full"):
    problems.append("the last thumbnail, past the limit, reads %r" % (descriptions[-1],))
first_out = len(kept)
if [d[1] for d in descriptions[first_out:]] != ["will not be saved: the album is full"] * len(left_out):
    problems.append("the left-out thumbnails do not all follow the kept ones: %r" % descriptions)
if problems:
    sys.exit("; ".join(problems))
PY
echo "accessibility: all checks passed"
