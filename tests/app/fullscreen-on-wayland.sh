#!/usr/bin/env bash
# F11 into full screen and back under a real Wayland compositor (weston, headless):
# both switches reach their first frame and the program goes on.
#   fullscreen-on-wayland.sh BINDIR
set -u
dir=$(mktemp -d)
chmod 700 "$dir"
export XDG_RUNTIME_DIR=$dir XDG_CONFIG_HOME=$dir/config
weston --backend=headless-backend.so --use-pixman --socket=wayland-test \
  --width=1920 --height=1080 >"$dir/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$dir"' EXIT
for _ in $(seq 100); do [ -S "$dir/wayland-test" ] && break; sleep 0.1; done
# "toggle <ms on> <ms off>" a round; a frame that never came shows as the 5 s deadline.
out=$(WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland timeout 120 "$1/sproutkin-bench" --toggle 2)
status=$?
echo "$out"
[ "$status" -eq 0 ] || { echo "ended with status $status"; exit 1; }
rounds=$(awk '$1 == "toggle" && $2 < 5000 && $3 < 5000' <<<"$out" | wc -l)
[ "$rounds" -eq 2 ] || { echo "$rounds of 2 rounds reached their frames"; cat "$dir/weston.log"; exit 1; }
