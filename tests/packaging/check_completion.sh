#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Loads the bash completion for valbum in a plain bash and checks what it
# offers: the commands, each command's options and their values, albums and
# pictures where the command takes them. Every option valbum's own help lists
# must be offered, and named in the manual page.
#
# usage: check_completion.sh SOURCE_DIR VALBUM MANUAL_PAGE
set -uo pipefail
source_dir=$(realpath "$1")
valbum=$(realpath "$2")
manual=$(realpath "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# shellcheck source=/dev/null
source "$source_dir/packaging/completion/valbum" || exit 1
[[ $(complete -p valbum) == *"-F _valbum"* ]] || { echo "no completion registered for valbum" >&2; exit 1; }

mkdir -p "$work/sub"
touch "$work/a.valbum" "$work/b.PNG" "$work/c.jpg" "$work/notes.txt"
cd "$work" || exit 1

# offers "WORDS..." EXPECTED: completes the last word of WORDS (words split as
# bash splits them, "=" a word of its own) and compares the sorted offers.
offers() {
  local -a words
  read -r -a words <<<"$1"
  [[ $1 == *" " ]] && words+=("")
  COMP_WORDS=("${words[@]}")
  COMP_CWORD=$((${#words[@]} - 1))
  COMPREPLY=()
  _valbum
  local actual expected
  actual=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | xargs)
  expected=$(printf '%s\n' $2 | sort | xargs)
  if [[ "$actual" != "$expected" ]]; then
    echo "FAIL '$1': offered '$actual', expected '$expected'" >&2
    failures=$((failures + 1))
  fi
}

offers "valbum " "create list extract append preview help --help --version"
offers "valbum c" "create"
offers "valbum help " "create list extract append preview"
offers "valbum create --" "--password --split --force --best-fit --skip-unreadable --quiet --fit --gravity --rotate --smooth --dither --brightness --contrast --jobs --verbose --help"
offers "valbum preview --" "--force --skip-unreadable --quiet --fit --gravity --rotate --smooth --dither --brightness --contrast --jobs --verbose --help"
offers "valbum list --" "--json --help"
offers "valbum create --fit " "stretch crop pad"
offers "valbum preview --rotate " "180 270 90"
offers "valbum preview --dither " "none floyd-steinberg atkinson ordered compact compact-diffusion"
offers "valbum create --dither = a" "atkinson"
offers "valbum extract --format = " "png bmp"
offers "valbum create --password " ""
offers "valbum list " "a.valbum sub"
offers "valbum create --password 12 " "a.valbum sub"
offers "valbum create --fit pad out.valbum " "b.PNG c.jpg sub"
offers "valbum extract a.valbum " "sub"
offers "valbum preview out " "b.PNG c.jpg sub"
offers "valbum append a.valbum " "a.valbum sub"

# What valbum itself accepts must be offered and documented.
checked=0
for command in create list extract append preview; do
  for option in $("$valbum" "$command" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
    checked=$((checked + 1))
    COMP_WORDS=(valbum "$command" --)
    COMP_CWORD=2
    COMPREPLY=()
    _valbum
    if [[ " ${COMPREPLY[*]} " != *" $option "* ]]; then
      echo "FAIL valbum $command $option is not offered" >&2
      failures=$((failures + 1))
    fi
    if ! grep -q -- "${option//-/\\\\-}" "$manual"; then
      echo "FAIL valbum $command $option is not in the manual page" >&2
      failures=$((failures + 1))
    fi
  done
done

# create alone has --password, --split, --force and --help.
((checked >= 4)) || { echo "FAIL only $checked options found in valbum's help" >&2; failures=$((failures + 1)); }

((failures == 0)) || exit 1
echo "bash completion: all cases passed"
