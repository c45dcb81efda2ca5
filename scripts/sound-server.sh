# Private PulseAudio server for the tests: a null sink and a microphone remapped from its
# monitor, so playback and recording run end to end without a sound card.
# Sourced by test.sh; defines start_sound_server and stop_sound_server.
start_sound_server() {
  export VELMORA_PULSE_DIR="$(mktemp -d /tmp/velmora-pulse.XXXXXX)"
  export XDG_RUNTIME_DIR="$VELMORA_PULSE_DIR"
  export PULSE_RUNTIME_PATH="$VELMORA_PULSE_DIR/pulse"
  export PULSE_STATE_PATH="$VELMORA_PULSE_DIR/state"
  export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
  mkdir -p "$PULSE_RUNTIME_PATH" "$PULSE_STATE_PATH"
  local flags=(-n --daemonize=yes --exit-idle-time=-1 --use-pid-file=yes
    -L "module-null-sink sink_name=velnull" -L "module-native-protocol-unix auth-anonymous=1 socket=$PULSE_RUNTIME_PATH/native")
  if [ "$(id -u)" -eq 0 ]; then flags+=(--system=no); fi
  if ! pulseaudio "${flags[@]}" >"$VELMORA_PULSE_DIR/server.log" 2>&1; then
    echo "warning: private PulseAudio server did not start; integration tests will fail" >&2
    cat "$VELMORA_PULSE_DIR/server.log" >&2 || true
    return 0
  fi
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl load-module module-remap-source master=velnull.monitor source_name=velmic >/dev/null
  pactl set-default-sink velnull
  pactl set-default-source velmic
  # A quiet low-latency stream keeps the null sink's clock running, so the remapped
  # microphone delivers sound at once instead of seconds late.
  pacat --playback --latency-msec=10 --device=velnull /dev/zero >/dev/null 2>&1 &
  VELMORA_CLOCK_PID=$!
}

stop_sound_server() {
  if [ -n "${VELMORA_CLOCK_PID:-}" ]; then kill "$VELMORA_CLOCK_PID" 2>/dev/null || true; fi
  if [ -n "${VELMORA_PULSE_DIR:-}" ]; then
    pulseaudio --kill >/dev/null 2>&1 || true
    rm -rf "$VELMORA_PULSE_DIR"
  fi
}
