#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs tavrel with no display over a table of command lines. A window opened
# by mistake would fail for want of a display, so every row also shows that
# the answer came before QApplication.
# Usage: command_line.sh <tavrel> <version>
set -u -f
tavrel=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'Tavrel %s\n' "$2" >"$work/version"

failures=0
# Columns: arguments | exit status | standard output | standard error, where
# each stream is "version" (exactly the version line), "-" (empty), or words
# it must contain ("!word": must not contain; "lines=N": has N lines).
# Arguments starting with ">full" send standard output to /dev/full.
while IFS='|' read -r args status out err; do
  case $args in '#'* | '') continue ;; esac
  target=$work/out
  case $args in '>full'*) target=/dev/full; args=${args#>full}; : >"$work/out" ;; esac
  # shellcheck disable=SC2086  # the arguments split on purpose
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$tavrel" $args >"$target" 2>"$work/err"
  got=$?
  problems=""
  [ "$got" -eq $status ] || problems="$problems; status $got"
  for stream in out err; do
    eval "want=\$$stream"
    case $(echo $want) in
      version) cmp -s "$work/version" "$work/$stream" || problems="$problems; std$stream not the version line" ;;
      -) [ ! -s "$work/$stream" ] || problems="$problems; std$stream not empty" ;;
      *) for word in $want; do
           case $word in
             lines=*) [ "$(wc -l <"$work/$stream")" -eq "${word#lines=}" ] || problems="$problems; std$stream not ${word#lines=} lines" ;;
             !*) ! grep -qF -- "${word#!}" "$work/$stream" || problems="$problems; std$stream has ${word#!}" ;;
             *) grep -qF -- "$word" "$work/$stream" || problems="$problems; std$stream lacks $word" ;;
           esac
         done ;;
    esac
  done
  if [ -n "$problems" ]; then
    failures=$((failures + 1))
    printf 'FAIL tavrel %s: %s\n--- stdout\n%s\n--- stderr\n%s\n' \
      "$(echo $args)" "${problems#; }" "$(cat "$work/out")" "$(cat "$work/err")"
  fi
done <<'TABLE'
--version                    | 0 | version                                    | -
-v                           | 0 | version                                    | -
--help                       | 0 | Usage: --version !qwindowtitle !stylesheet | -
-h                           | 0 | Usage: --version                           | -
--bogus                      | 1 | -                                          | Usage: bogus
foo                          | 1 | -                                          | Usage: foo
# Qt's own options get past the parser, with and without values.
-platform offscreen -v       | 0 | version                                    | -
-platform=offscreen -v       | 0 | version                                    | -
--platform offscreen -v      | 0 | version                                    | -
-style fusion -reverse -v    | 0 | version                                    | -
-style=fusion -display :0 -v | 0 | version                                    | -
# An answer that cannot be written is an error.
>full --version              | 1 | -                                          | write
>full --help                 | 1 | -                                          | write
# No display to open: one line that says how to name one, not Qt's abort.
-style fusion                | 1 | -                                          | display DISPLAY -platform lines=1
TABLE
exit $((failures > 0))
