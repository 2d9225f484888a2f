#!/bin/sh
# Prepares a CUPS scheduler for the printing tests (run as root): starts cupsd
# when none is running, points cups-pdf's output at a known folder and adds two
# PDF queues, VARNOK_PDF and VARNOK_PDF2. scripts/cups-test-stop.sh undoes it all.
#
#   VARNOK_CUPS_PDF_OUT  where the queues' PDF files land (/tmp/varnok-cups-pdf)
#   VARNOK_CUPS_STATE    what the stop script needs to restore (/tmp/varnok-cups-state)
set -eu

out=${VARNOK_CUPS_PDF_OUT:-/tmp/varnok-cups-pdf}
state=${VARNOK_CUPS_STATE:-/tmp/varnok-cups-state}
conf=/etc/cups/cups-pdf.conf
lpoptions=/etc/cups/lpoptions
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

if [ "$(id -u)" != 0 ]; then
    echo "cups-test-start: run as root (the printing tests skip without a scheduler)" >&2
    exit 1
fi
for tool in cupsd lpadmin lpstat; do
    command -v "$tool" >/dev/null || { echo "cups-test-start: $tool not installed" >&2; exit 1; }
done
[ -f "$ppd" ] || { echo "cups-test-start: printer-driver-cups-pdf not installed" >&2; exit 1; }

mkdir -p "$state" "$out"
chmod 1777 "$out"

# Keep the originals once, even when started twice without a stop.
if [ ! -e "$state/saved" ]; then
    cp -p "$conf" "$state/cups-pdf.conf"
    if [ -e "$lpoptions" ]; then cp -p "$lpoptions" "$state/lpoptions"; fi
    touch "$state/saved"
fi
sed -i "s|^#\{0,1\}Out .*|Out $out|" "$conf"
grep -q "^Out $out\$" "$conf" || echo "Out $out" >>"$conf"

scheduler_running() { lpstat -r 2>/dev/null | grep -q "is running"; }

if ! scheduler_running; then
    mkdir -p /run/cups
    cupsd -f >"$state/cupsd.log" 2>&1 &
    echo $! >"$state/cupsd.pid"
    tries=0
    until scheduler_running; do
        tries=$((tries + 1))
        if [ "$tries" -gt 300 ]; then
            echo "cups-test-start: cupsd did not come up (see $state/cupsd.log)" >&2
            exit 1
        fi
        sleep 0.1
    done
fi

for queue in VARNOK_PDF VARNOK_PDF2; do
    lpadmin -p "$queue" -v cups-pdf:/ -P "$ppd" -E 2>/dev/null
done
lpstat -v | grep VARNOK_PDF
