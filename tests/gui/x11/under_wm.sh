#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on the current X display under a window manager, started
# here and ended with the command.
# Usage: under_wm.sh openbox|metacity|none command [arguments]
set -u
wm=$1
shift
[ "$wm" = none ] && exec "$@"
"$wm" >/dev/null 2>&1 &
wm_pid=$!
# Windows shown before the manager has taken the screen would go undecorated.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ] || ! kill -0 "$wm_pid" 2>/dev/null; then
    echo "$wm did not start" >&2
    exit 1
  fi
  sleep 0.1
done
"$@"
status=$?
kill "$wm_pid" 2>/dev/null
wait "$wm_pid" 2>/dev/null
exit "$status"
