#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A CUPS print queue that writes PDF files, for the test that prints through
# the real default printer.
#   cups-queue.sh start DIR   start cupsd if needed, add the queue, make it the
#                             default; its PDFs land in DIR. Prints the
#                             environment the test needs (eval it).
#   cups-queue.sh stop DIR    remove the queue, restore the old default and
#                             stop cupsd if start started it.
# Needs root and cups, cups-client, printer-driver-cups-pdf. Without them
# `start` prints nothing and exits 0, and the test skips.
set -uo pipefail

queue=TavrelPDF
action=${1:-}
dir=${2:-}
state="$dir/.cups-queue-state"
# cups-pdf reads cups-pdf-NAME.conf for the device cups-pdf:/NAME, so the
# shared cups-pdf.conf stays untouched.
conf=/etc/cups/cups-pdf-$queue.conf
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
pidfile=/run/cups/cupsd.pid

log() { echo "cups-queue: $*" >&2; }
# A stopped cupsd whose parent has not reaped it yet counts as gone.
gone() { ! kill -0 "$1" 2>/dev/null || [ "$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)" = Z ]; }
running() { lpstat -r 2>/dev/null | grep -q '^scheduler is running'; }

wait_for() {  # wait_for SECONDS COMMAND...
    local until=$((SECONDS + $1)); shift
    until "$@"; do
        [ "$SECONDS" -ge "$until" ] && return 1
        sleep 0.1
    done
}

start() {
    if [ "$(id -u)" -ne 0 ] || [ ! -x /usr/sbin/cupsd ] || ! command -v lpadmin >/dev/null \
        || [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
        log "not root or CUPS/cups-pdf missing: the print queue test will skip"
        return 0
    fi
    mkdir -p "$dir"
    chmod 0777 "$dir"   # cups-pdf writes as the job's user
    # A second start keeps the record that cupsd is ours to stop.
    if grep -qs started-cupsd "$state"; then echo started-cupsd >"$state"; else : >"$state"; fi
    if ! running; then
        /usr/sbin/cupsd || { log "cupsd did not start"; return 0; }
        echo started-cupsd >>"$state"
        wait_for 20 running || { log "cupsd does not answer"; return 0; }
    fi
    echo "old-default $(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')" >>"$state"
    printf 'Out %s\nAnonDirName %s\n' "$dir" "$dir" >"$conf"
    lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -m "$ppd" -o printer-is-shared=false \
        -o pdftops-renderer-default=pdftocairo -o PageSize=A4 \
        && lpadmin -d "$queue" && cupsenable "$queue" && cupsaccept "$queue" \
        || { log "could not set up the queue"; return 0; }
    echo "export TAVREL_CUPS_QUEUE=$queue TAVREL_CUPS_OUT=$dir"
}

stop() {
    [ -f "$state" ] || return 0
    lpadmin -x "$queue" >/dev/null 2>&1
    rm -f "$conf"
    local old
    old=$(sed -n 's/^old-default //p' "$state")
    [ -n "$old" ] && lpadmin -d "$old" >/dev/null 2>&1
    if grep -q started-cupsd "$state" && [ -f "$pidfile" ]; then
        local pid
        pid=$(cat "$pidfile")
        kill "$pid" 2>/dev/null
        wait_for 10 gone "$pid" || log "cupsd ($pid) did not stop"
    fi
    rm -f "$state"
}

case "$action" in
    start) [ -n "$dir" ] && start ;;
    stop) [ -n "$dir" ] && stop ;;
    *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
exit 0
