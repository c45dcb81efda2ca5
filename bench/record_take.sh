#!/usr/bin/env bash
# The recorder on a private sound server: start-to-first-buffer latency over short takes,
# then one long take at 44100 Hz with the default update rate (memory growth, lost buffers).
# Usage: bench/record_take.sh [SECONDS] [LATENCY_RUNS]     (default 600 s, 20 runs)
# Builds build-record-take-bench/ beside the sources. A silent 10 ms stream clocks the null
# sink as a sound card would (without it the monitor delivers in bursts).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(dirname "$here")"
seconds="${1:-600}"
runs="${2:-20}"

build="$repo/build-record-take-bench"
cmake -S "$here/record_take" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 >/dev/null

source "$repo/scripts/sound-server.sh"
start_sound_server
pacat --playback --latency-msec=10 --rate=44100 --channels=1 --format=s16le /dev/zero </dev/null &
clock=$!
trap 'kill $clock 2>/dev/null || true; stop_sound_server' EXIT
sleep 2
work="$(mktemp -d)"
"$build/record_take" --seconds "$seconds" --latency-runs "$runs" --rate 44100 --folder "$work"
rm -rf "$work"
