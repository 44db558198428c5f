#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The editor's command line answers --help and --version, and refuses what it
# does not know, without a display: with the X platform forced and no display,
# a program that started its GUI first would abort instead.
#
# usage: editor_command_line.sh VALBUM_EDITOR VERSION
set -uo pipefail
editor=$1
version=$2
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failures=0

# expect STATUS STDOUT-PATTERN STDERR-PATTERN ARGUMENT...: an empty pattern
# means that stream must be empty.
expect() {
  local status=$1 stdout_pattern=$2 stderr_pattern=$3
  shift 3
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 10 "$editor" "$@" >"$out" 2>"$err"
  local actual=$?
  local problem=""
  [[ $actual -eq $status ]] || problem="exit status $actual, expected $status"
  if [[ -z $stdout_pattern ]]; then [[ -s $out ]] && problem+=" unexpected output"
  else grep -qE "$stdout_pattern" "$out" || problem+=" output lacks /$stdout_pattern/"; fi
  if [[ -z $stderr_pattern ]]; then [[ -s $err ]] && problem+=" unexpected error output"
  else grep -qE "$stderr_pattern" "$err" || problem+=" error output lacks /$stderr_pattern/"; fi
  if [[ -n $problem ]]; then
    echo "FAIL valbum-editor $*: $problem" >&2
    sed 's/^/  stdout: /' "$out" >&2
    sed 's/^/  stderr: /' "$err" >&2
    failures=$((failures + 1))
  fi
}

expect 0 '^Usage: valbum-editor \[OPTIONS\] \[ALBUM.valbum\]' '' --help
expect 0 '^Usage: valbum-editor' '' -h
expect 0 "^valbum-editor $version\$" '' --version
expect 0 '^Usage: valbum-editor' '' album.valbum --help
expect 64 '' 'unknown option --frobnicate.*' --frobnicate
expect 64 '' '^Usage: valbum-editor' --frobnicate
expect 64 '' 'only one album' one.valbum two.valbum
expect 64 '' 'option -style needs a value' -style

((failures == 0)) || exit 1
echo "editor command line: all cases passed"
