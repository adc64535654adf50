#!/usr/bin/env bash
# Starts a private PulseAudio server for the voice tests and benchmark: a null sink
# "vnull" at 48 kHz as the default output, whose monitor records what is played,
# and a silent stream that keeps the sink running so recordings run in real time.
# No service manager is needed (as root PulseAudio only warns). Quick and harmless
# when the server already runs. Run it, or source it from scripts/test.
#
# Clients find it at PULSE_SERVER=unix:$SPROUT_AUDIO_DIR/pulse/native, where
# SPROUT_AUDIO_DIR is /tmp/sproutkin-audio unless set; the tests look there.
(
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing_packages pulseaudio pulseaudio-utils

dir=${SPROUT_AUDIO_DIR:-/tmp/sproutkin-audio}
export XDG_RUNTIME_DIR=$dir
export PULSE_SERVER=unix:$dir/pulse/native

if ! pactl info >/dev/null 2>&1; then
  echo "audio-server: starting pulseaudio in $dir"
  mkdir -p "$dir"
  chmod 700 "$dir"
  setsid pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
    --load="module-null-sink sink_name=vnull rate=48000" \
    --load=module-native-protocol-unix </dev/null >"$dir/server.log" 2>&1 &
  for _ in $(seq 1 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  if ! pactl info >/dev/null 2>&1; then
    echo "audio-server: pulseaudio did not start; see $dir/server.log" >&2
    exit 1
  fi
fi
pactl set-default-sink vnull

# The keeper: without a stream the null sink sleeps and a recording of its monitor
# stands still instead of running in real time.
if ! pactl list sink-inputs | grep -q 'application.name = "sproutkin-keeper"'; then
  setsid pacat --raw --format=s16le --rate=48000 --channels=1 -d vnull --latency-msec=20 \
    --client-name=sproutkin-keeper </dev/zero >/dev/null 2>&1 &
  sleep 0.2
fi
echo "audio-server: PULSE_SERVER=$PULSE_SERVER, default sink $(pactl get-default-sink)"
)
