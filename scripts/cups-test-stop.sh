#!/bin/sh
# Undoes scripts/cups-test-start.sh: removes the test queues, restores the
# default printer and cups-pdf's settings, and stops the cupsd it started.
set -u

state=${VARNOK_CUPS_STATE:-/tmp/varnok-cups-state}
conf=/etc/cups/cups-pdf.conf
files_conf=/etc/cups/cups-files.conf
lpoptions=/etc/cups/lpoptions

[ -d "$state" ] || exit 0

for queue in VARNOK_PDF VARNOK_PDF2 VARNOK_FILE; do
    lpadmin -x "$queue" 2>/dev/null || true
done

if [ -e "$state/saved" ]; then
    cp -p "$state/cups-pdf.conf" "$conf"
    cp -p "$state/cups-files.conf" "$files_conf"
    if [ -e "$state/lpoptions" ]; then
        cp -p "$state/lpoptions" "$lpoptions"
    else
        rm -f "$lpoptions"
    fi
fi

if [ -e "$state/cupsd.pid" ]; then
    pid=$(cat "$state/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    tries=0
    while kill -0 "$pid" 2>/dev/null && [ "$tries" -lt 100 ]; do
        tries=$((tries + 1))
        sleep 0.1
    done
fi
rm -rf "$state"
