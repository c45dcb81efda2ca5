#!/usr/bin/env bash
# CPU cost of a live take in the real program: velmora under Xvfb on the private sound
# server, a 300 Hz tone played into the null sink, a take at 44100 Hz in the spectrogram
# (F0 ticked) or the power-spectrum mode, and the process's CPU time over SECONDS of it.
# Usage: bench/live_take_cpu.sh [spectrogram|power] [SECONDS]      (default spectrogram, 10)
#   VELMORA_BIN=path   the program to measure (default: builds build-bench/ beside the sources)
#   BENCH_DISPLAY=:N   the X display to start Xvfb on (default :99)
#   BENCH_SHOT=FILE    a screenshot at the end of the measurement
#   BENCH_SIGNAL=glide a voice-like signal instead of the steady 300 Hz tone: a sawtooth gliding
#                      from 110 to 260 Hz every 2 s, whose harmonics move in every block, so the
#                      spectrum changes all the time.
#   BENCH_CLOCK_MS=N   the latency of the stream that clocks the private server's null sink
#                      (default 10, as for the tests). The program asks for sound in pieces of
#                      20 ms, but the remapped microphone follows the sink's clock: at 10 ms it
#                      hands sound over about 400 times a second, and the sound client
#                      library's thread in our process wakes for each piece and its release.
#                      40 shows what the process costs with fewer, larger pieces.
#   BENCH_SETTLE=S     seconds of take before the measurement (default 3). The spectrogram
#                      pane of this window fills after about 17 s and then scrolls, repainting
#                      the whole pane each refresh: 25 measures that longer take.
# Prints "cpu_percent MODE VALUE" (percent of one core) and "switches_per_second MODE VALUE"
# (context switches of all its threads).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(dirname "$here")"
mode="${1:-spectrogram}"
seconds="${2:-10}"
display="${BENCH_DISPLAY:-:99}"
for cmd in Xvfb openbox xdotool sox pacat pulseaudio import; do
  command -v "$cmd" >/dev/null || { echo "live_take_cpu: $cmd is needed (scripts/install-deps.sh)" >&2; exit 1; }
done

bin="${VELMORA_BIN:-}"
if [ -z "$bin" ]; then
  cmake -S "$repo" -B "$repo/build-bench" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=OFF >/dev/null
  cmake --build "$repo/build-bench" -j2 --target velmora >/dev/null
  bin="$repo/build-bench/src/velmora"
fi

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  stop_sound_server
  rm -rf "$work"
}
source "$repo/scripts/sound-server.sh"
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
pids+=($!)
sleep 1
DISPLAY="$display" openbox >/dev/null 2>&1 &
pids+=($!)
start_sound_server "${BENCH_CLOCK_MS:-10}"
if [ "${BENCH_SIGNAL:-tone}" = glide ]; then
  signal=(synth 2 sawtooth 110:260 vol 0.5 repeat 299)
else
  signal=(synth 600 sine 300)
fi
sox -n -t raw -r 44100 -c 1 -b 16 -e signed - "${signal[@]}" |
  pacat --device=velnull --rate=44100 --channels=1 --format=s16le &
pids+=($!)
# A short 44.1 kHz file opens "Other Files", where a take needs no client.
sox -n -r 44100 -c 1 -b 16 "$work/tone.wav" synth 1 sine 300
export DISPLAY="$display"
"$bin" --no-splash --data "$work" "$work/tone.wav" >"$work/velmora.log" 2>&1 &
app=$!
pids+=($app)
xdotool search --sync --onlyvisible --pid "$app" --name . >/dev/null
sleep 3

# Where the maximized window puts the bar's controls on a 1280 x 1024 screen (openbox).
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.7; }
click 94 105        # the record "rate" button
click 119 171       # its menu: 44100 Hz
if [ "$mode" = power ]; then
  xdotool key alt+m Down Return   # Mode > Power Spectrum
else
  click 586 97                    # the spectrogram bar's F0 box
fi
sleep 1
xdotool key alt+a r               # Audio > Record
sleep "${BENCH_SETTLE:-3}"        # the take settles

tick=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$app/stat"; }
# Wake-ups: the context switches of all the program's threads (a steadier measure than CPU
# time on a loaded machine).
switches() { cat /proc/"$app"/task/*/status | awk '/_ctxt_switches/ { n += $2 } END { print n }'; }
t0=$(cpu)
w0=$(switches)
start=$(date +%s.%N)
sleep "$seconds"
t1=$(cpu)
w1=$(switches)
end=$(date +%s.%N)
[ -n "${BENCH_SHOT:-}" ] && import -window root "$BENCH_SHOT"
awk -v a="$t0" -v b="$t1" -v t="$tick" -v s="$start" -v e="$end" -v m="$mode" \
  'BEGIN { printf "cpu_percent %s %.1f\n", m, 100 * (b - a) / t / (e - s) }'
awk -v a="$w0" -v b="$w1" -v s="$start" -v e="$end" -v m="$mode" \
  'BEGIN { printf "switches_per_second %s %.0f\n", m, (b - a) / (e - s) }'
