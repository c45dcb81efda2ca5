#!/usr/bin/env bash
# Known-answer accuracy and the costs of long or silent recordings:
#   - formants of synthetic glottal-pulse vowels /a/ /i/ /u/ /ae/ (four and five resonators,
#     F0 100..250 Hz, 11025/22050/44100 Hz): median error of F1..F3 per case, ours and Praat's
#     "To Formant (burg)" on the same files;
#   - F0 of glottal pulse trains and harmonic complexes, 80..1400 Hz: gross errors (>= 20 %);
#   - speed after digital silence: the 10 kHz resampling of the formant tracker and the import
#     converter (velmora-cli convert) on 0.5 s of tone then 60 s of silence, beside noise;
#   - peak memory of the formant track of a 60-minute 44100 Hz recording.
# Usage: bench/analysis_accuracy.sh [path/to/velmora-cli]   (default: builds build-bench/)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(dirname "$here")"

source "$here/bench_common.sh"
bench_install praat sox python3
cli="$(bench_cli "${1:-}")"

build="$repo/build-analysis-accuracy"
cmake -S "$here/analysis_accuracy" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 >/dev/null
acc="$build/analysis_accuracy"

echo "== Formants of synthetic vowels: Velmora =="
"$acc" vowels
echo "== Formants of synthetic vowels: Praat $(praat --version | head -1) =="
"$here/analysis_accuracy/vowels_praat.sh" "$acc"
echo "== F0 of pulse trains and harmonic complexes =="
"$acc" f0
echo "== After digital silence =="
"$acc" silence
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
sox -n -r 44100 -b 16 -c 1 "$work/tone.wav" synth 0.5 sine 440 vol 0.5
sox -n -r 44100 -b 16 -c 1 "$work/silence.wav" trim 0 60
sox "$work/tone.wav" "$work/silence.wav" "$work/tone-silence.wav"
sox -n -r 44100 -b 16 -c 1 "$work/noise.wav" synth 60.5 whitenoise vol 0.3
for f in tone-silence noise; do
  for rate in 22050 11025; do
    best=""
    for _ in 1 2 3 4 5; do
      read -r t _ < <("$here/f0_measure.py" "$cli" convert "$work/$f.wav" "$work/out.wav" --rate "$rate" 2>/dev/null)
      if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
    done
    echo "convert $f 44100 -> $rate Hz: $best s (best of 5)"
  done
done
echo "== Memory of a long formant track =="
"$acc" memory 60
