# Private PulseAudio server for the tests: a null sink and a microphone remapped from its
# monitor, so playback and recording run end to end without a sound card.
# Sourced by test.sh; defines start_sound_server [CLOCK_MS] and stop_sound_server.
#
# stop_sound_server may run at any point (it is the EXIT trap, set before the start): it
# stops only what start_sound_server got to start, and is safe to call twice.

# Names from the caller's environment must not make stop_sound_server remove or kill anything.
unset VELMORA_PULSE_DIR VELMORA_CLOCK_PID

start_sound_server() {
  local clock_ms="${1:-10}" dir
  dir="$(mktemp -d /tmp/velmora-pulse.XXXXXX)" || return 1
  export VELMORA_PULSE_DIR="$dir"
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
  if ! pactl load-module module-remap-source master=velnull.monitor source_name=velmic >/dev/null ||
     ! pactl set-default-sink velnull || ! pactl set-default-source velmic; then
    echo "error: the private PulseAudio server could not be set up" >&2
    stop_sound_server
    return 1
  fi
  # A quiet low-latency stream keeps the null sink's clock running, so the remapped
  # microphone delivers sound at once instead of seconds late. Its latency sets how finely
  # the microphone hands sound over: at 10 ms, in pieces of a few milliseconds.
  pacat --playback --latency-msec="$clock_ms" --device=velnull /dev/zero >/dev/null 2>&1 &
  VELMORA_CLOCK_PID=$!
}

stop_sound_server() {
  if [ -n "${VELMORA_CLOCK_PID:-}" ]; then
    kill "$VELMORA_CLOCK_PID" 2>/dev/null || true
    wait "$VELMORA_CLOCK_PID" 2>/dev/null || true
    unset VELMORA_CLOCK_PID
  fi
  [ -n "${VELMORA_PULSE_DIR:-}" ] || return 0
  # Our server only: the pid file in our private folder, and only while that process is a
  # PulseAudio server (no pid file when the start failed before the server ran).
  local pid=""
  if [ -f "$VELMORA_PULSE_DIR/pulse/pid" ]; then pid="$(tr -dc 0-9 <"$VELMORA_PULSE_DIR/pulse/pid" || true)"; fi
  if [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = pulseaudio ]; then
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  fi
  rm -rf "$VELMORA_PULSE_DIR"
  unset VELMORA_PULSE_DIR
}
