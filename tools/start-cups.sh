#!/usr/bin/env bash
# Starts the print service for the end-to-end print tests: cupsd (when it is
# not running) and a queue "RingpadTestPDF" of the cups-pdf driver that
# writes its PDF files to $RINGPAD_CUPS_PDF_DIR (default
# /var/spool/cups-pdf/ringpad). Needs root; without root or CUPS it says why
# and does nothing, and the end-to-end tests skip.
set -uo pipefail

queue=RingpadTestPDF
outdir=${RINGPAD_CUPS_PDF_DIR:-/var/spool/cups-pdf/ringpad}
conf=/etc/cups/cups-pdf.conf

if [ "$(id -u)" -ne 0 ]; then
  echo "start-cups: not root, the print service is left as it is" >&2
  exit 0
fi
if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null; then
  echo "start-cups: CUPS is not installed" >&2
  exit 0
fi

# cups-pdf writes every job, whoever sends it, into one folder.
if [ -f "$conf" ]; then
  mkdir -p "$outdir"
  chmod 1777 "$outdir"
  sed -i -E "s|^#?Out .*|Out ${outdir}|; s|^#?AnonDirName .*|AnonDirName ${outdir}|; s|^#?Label .*|Label 1|; s|^#?UserUMask .*|UserUMask 0022|" "$conf"
  grep -q "^Label " "$conf" || echo "Label 1" >>"$conf"
fi

if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  mkdir -p /run/cups
  cupsd || { echo "start-cups: cupsd would not start" >&2; exit 0; }
fi
for _ in $(seq 1 50); do
  lpstat -r 2>/dev/null | grep -q "is running" && break
  sleep 0.2
done
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  echo "start-cups: cupsd does not answer" >&2
  exit 0
fi

if ! lpstat -p "$queue" >/dev/null 2>&1; then
  ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ {print $1; exit}')
  [ -n "$ppd" ] || ppd=$(lpinfo -m 2>/dev/null | awk 'tolower($0) ~ /cups-pdf/ {print $1; exit}')
  if [ -z "$ppd" ]; then
    echo "start-cups: no cups-pdf driver found (lpinfo -m)" >&2
    exit 0
  fi
  lpadmin -p "$queue" -E -v cups-pdf:/ -m "$ppd" -o printer-error-policy=abort-job ||
    { echo "start-cups: could not add the queue $queue" >&2; exit 0; }
fi
cupsenable "$queue" 2>/dev/null
cupsaccept "$queue" 2>/dev/null
echo "start-cups: queue $queue ready, PDF files go to $outdir"
