#!/bin/sh
# Prepares a CUPS scheduler for the printing tests (run as root): starts cupsd
# when none is running, points cups-pdf's output at a known folder and adds two
# cups-pdf queues, VARNOK_PDF and VARNOK_PDF2, and a queue VARNOK_FILE that
# writes each job as it arrives (the program's own PDF) to VARNOK_FILE.pdf in
# that folder: cups-pdf goes through PostScript, which loses the text of the
# Japanese faces, so the page's text is read back from VARNOK_FILE's file.
# scripts/cups-test-stop.sh undoes it all.
#
#   VARNOK_CUPS_PDF_OUT  where the queues' PDF files land (/tmp/varnok-cups-pdf)
#   VARNOK_CUPS_STATE    what the stop script needs to restore (/tmp/varnok-cups-state):
#                        among it the default printer as /etc/cups/lpoptions, the
#                        caller's ~/.cups/lpoptions and the scheduler had it
set -eu

out=${VARNOK_CUPS_PDF_OUT:-/tmp/varnok-cups-pdf}
state=${VARNOK_CUPS_STATE:-/tmp/varnok-cups-state}
conf=/etc/cups/cups-pdf.conf
files_conf=/etc/cups/cups-files.conf
lpoptions=/etc/cups/lpoptions
user_lpoptions=${HOME:-/root}/.cups/lpoptions
printers_conf=/etc/cups/printers.conf
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

# Keep the originals once, even when started twice without a stop: the
# machine-wide and the user's default printer (lpoptions), and the scheduler's.
if [ ! -e "$state/saved" ]; then
    cp -p "$conf" "$state/cups-pdf.conf"
    cp -p "$files_conf" "$state/cups-files.conf"
    if [ -e "$lpoptions" ]; then cp -p "$lpoptions" "$state/lpoptions"; fi
    if [ -e "$user_lpoptions" ]; then cp -p "$user_lpoptions" "$state/user-lpoptions"; fi
    echo "$user_lpoptions" >"$state/user-lpoptions.path"
    sed -n 's/^<DefaultPrinter \(.*\)>$/\1/p' "$printers_conf" 2>/dev/null >"$state/server-default" || :
    touch "$state/saved"
fi
sed -i "s|^#\{0,1\}Out .*|Out $out|" "$conf"
grep -q "^Out $out\$" "$conf" || echo "Out $out" >>"$conf"

scheduler_running() { lpstat -r 2>/dev/null | grep -q "is running"; }

if ! scheduler_running; then
    # Only a scheduler started here is allowed file: devices.
    sed -i 's|^#\{0,1\}FileDevice .*|FileDevice Yes|' "$files_conf"
    grep -q '^FileDevice Yes$' "$files_conf" || echo 'FileDevice Yes' >>"$files_conf"
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
# VARNOK_FILE takes PDF as it is (after CUPS's own pdftopdf): the cups-pdf PPD
# with a pass-through filter line.
sed '/^\*PCFileName/a *cupsFilter2: "application/vnd.cups-pdf application/pdf 0 -"' "$ppd" >"$state/file.ppd"
if lpadmin -p VARNOK_FILE -v "file://$out/VARNOK_FILE.pdf" -P "$state/file.ppd" -E 2>/dev/null; then :; else
    echo "cups-test-start: the running scheduler refuses file: devices; VARNOK_FILE not added" >&2
fi
lpstat -v | grep VARNOK_
