#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Reads the real editor's window through AT-SPI, as a screen reader does, on a
# private X display and session bus: the window is a frame, the list and the
# password field have names, and each thumbnail is named as its label reads.
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
PY
echo "accessibility: all checks passed"
