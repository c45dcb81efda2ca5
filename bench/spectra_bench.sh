#!/usr/bin/env bash
# Spectral engines: speed of the spectrogram (800 x 300 pane over 10 s, 60 s, 10 min at
# 44100 Hz), of the power spectrum (60 s) and of our FFTs beside FFTW, then Praat's
# "To Spectrogram" and "To Ltas" on the same recordings in the same run.
# Installs its peers (libfftw3-dev, praat) for the benchmark only.
# Usage: bench/spectra_bench.sh            (builds build-spectra-bench/ beside the sources)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(dirname "$here")"

need=()
dpkg-query -W -f='${Status}' libfftw3-dev 2>/dev/null | grep -q "install ok installed" || need+=(libfftw3-dev)
dpkg-query -W -f='${Status}' libbenchmark-dev 2>/dev/null | grep -q "install ok installed" || need+=(libbenchmark-dev)
command -v praat >/dev/null || need+=(praat)
if [ ${#need[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${need[@]}"
fi

build="$repo/build-spectra-bench"
cmake -S "$here/spectra_bench" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$build/spectra_bench" --write-wav "$work"

echo "== Velmora (Google Benchmark, median of 5) =="
"$build/spectra_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.2 2>/dev/null | grep -E "median|^Benchmark|^-"

echo "== Praat $(praat --version | head -1) (ms, best of 3) =="
for s in 10 60 600; do
  echo "-- ${s} s recording"
  praat --run "$here/spectra_bench/spectra_praat.praat" "$work/voice_${s}s.wav"
done
