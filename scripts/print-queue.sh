#!/usr/bin/env bash
# Sets up a real print queue for the printing tests: a CUPS scheduler with a
# PDF-writing queue "Sproutkin_PDF" as the default printer. Quick and harmless
# when everything is already in place. Run it, or source it from scripts/test.
#
# The queue writes one PDF per job into the folder named by "Out" in
# /etc/cups/cups-pdf.conf (Debian: ${HOME}/PDF of the submitting user); the
# tests read that setting themselves.
(
set -euo pipefail

queue=Sproutkin_PDF
model=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
packages=(cups cups-client printer-driver-cups-pdf poppler-utils)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" \
    || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "print-queue: installing ${missing[*]}"
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
fi

# No service manager here: start the scheduler ourselves when none answers.
if ! lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
  echo "print-queue: starting cupsd"
  as_root cupsd
  for _ in $(seq 1 100); do
    lpstat -r 2>/dev/null | grep -q "scheduler is running" && break
    sleep 0.1
  done
  if ! lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
    echo "print-queue: the CUPS scheduler did not start" >&2
    exit 1
  fi
fi

if ! lpstat -p "$queue" >/dev/null 2>&1; then
  echo "print-queue: adding queue $queue"
  # The model name differs between CUPS versions; fall back to the PPD file.
  if ! as_root lpadmin -p "$queue" -E -v cups-pdf:/ -m "$model" 2>/dev/null; then
    as_root lpadmin -p "$queue" -E -v cups-pdf:/ \
      -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  fi
fi
# A queue left disabled or rejecting by an earlier run would swallow the tests' jobs.
as_root cupsenable "$queue"
as_root cupsaccept "$queue"

if [ "$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')" != "$queue" ]; then
  as_root lpadmin -d "$queue"
fi
lpstat -d
)
