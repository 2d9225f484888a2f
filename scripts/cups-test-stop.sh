#!/bin/sh
# Undoes scripts/cups-test-start.sh: removes the test queues, restores the
# default printer (/etc/cups/lpoptions, the caller's ~/.cups/lpoptions and the
# scheduler's default) and cups-pdf's settings, and stops the cupsd it started.
set -u

state=${VARNOK_CUPS_STATE:-/tmp/varnok-cups-state}
conf=/etc/cups/cups-pdf.conf
files_conf=/etc/cups/cups-files.conf
lpoptions=/etc/cups/lpoptions

[ -d "$state" ] || exit 0

for queue in VARNOK_PDF VARNOK_PDF2 VARNOK_FILE; do
    lpadmin -x "$queue" 2>/dev/null || true
done

# Puts back a saved copy of a file, or removes the file when there was none.
restore() { # saved-copy target
    if [ -e "$1" ]; then cp -p "$1" "$2"; else rm -f "$2"; fi
}

if [ -e "$state/saved" ]; then
    cp -p "$state/cups-pdf.conf" "$conf"
    cp -p "$state/cups-files.conf" "$files_conf"
    restore "$state/lpoptions" "$lpoptions"
    if [ -s "$state/user-lpoptions.path" ]; then
        restore "$state/user-lpoptions" "$(cat "$state/user-lpoptions.path")"
    fi
    # The scheduler's own default, when it had one that still exists.
    server_default=$(cat "$state/server-default" 2>/dev/null || :)
    if [ -n "$server_default" ]; then
        lpadmin -d "$server_default" 2>/dev/null || true
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
