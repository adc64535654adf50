#!/usr/bin/env bash
# Sets up a real print queue for the printing tests: a CUPS scheduler with a
# PDF-writing queue "Sproutkin_PDF" as the default printer. Quick and harmless
# when everything is already in place. Run it, or source it from scripts/test.
#
# The queue writes one PDF per job into the folder named by "Out" in
# /etc/cups/cups-pdf.conf (Debian: ${HOME}/PDF of the submitting user); the
# tests read that setting themselves.
(
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

queue=Sproutkin_PDF
model=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd

# Only what the queue needs: the build's own list is scripts/common.sh's business.
PACKAGES=()
install_missing_packages cups cups-client printer-driver-cups-pdf poppler-utils

# No service manager here: start the scheduler ourselves when none answers.
if ! lpstat -r 2>/dev/null | grep -q "scheduler is running"; then
  echo "print-queue: starting cupsd"
  sudo_if_needed cupsd
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
  if ! sudo_if_needed lpadmin -p "$queue" -E -v cups-pdf:/ -m "$model" 2>/dev/null; then
    sudo_if_needed lpadmin -p "$queue" -E -v cups-pdf:/ \
      -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  fi
fi
# A queue left disabled or rejecting by an earlier run would swallow the tests' jobs.
sudo_if_needed cupsenable "$queue"
sudo_if_needed cupsaccept "$queue"

if [ "$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')" != "$queue" ]; then
  sudo_if_needed lpadmin -d "$queue"
fi
lpstat -d
)
