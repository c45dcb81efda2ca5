#!/usr/bin/env bash
# Formant track of velmora-cli against Praat's "To Formant (burg)" (step 0.01 s, 5 formants,
# 5000 Hz ceiling, 0.049 s window, pre-emphasis from 50 Hz) on 2.5 minutes of synthetic speech
# (espeak-ng, four voices, resampled with sox) at 11025, 22050 and 44100 Hz:
#   - speed: wall time of each program on the same file in the same run (best of 3; both
#     read the WAV file and analyse it), and their ratio;
#   - agreement: median absolute difference of F1, F2 and F3 over the frames that
#     velmora-cli f0 calls voiced.
# Usage: bench/formants_vs_peer.sh [path/to/velmora-cli]   (default: builds build-bench/)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(dirname "$here")"

source "$here/bench_common.sh"
bench_install praat espeak-ng sox python3
cli="$(bench_cli "${1:-}")"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

bench_speech "$work"
for rate in 11025 22050 44100; do
  sox "$work/speech.wav" "$work/speech.wav" -r "$rate" "$work/speech-$rate.wav" trim 0 150
done

best_of_3() {  # prints the smallest wall time of three runs
  local best="" t
  for _ in 1 2 3; do
    read -r t _ < <("$here/f0_measure.py" "$@")
    if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
  done
  echo "$best"
}

echo "velmora-cli: $cli"
echo "peer: $(praat --version)"
echo "voiced frames: velmora-cli f0"
printf "%-18s %10s %10s %8s   %s\n" file "velmora s" "praat s" ratio agreement
for rate in 11025 22050 44100; do
  f="speech-$rate"
  wav="$work/$f.wav"
  ours=$(best_of_3 "$cli" formants "$wav")
  peer=$(best_of_3 praat --run "$here/formants_praat_time.praat" "$wav")
  "$cli" formants "$wav" > "$work/$f.formants.csv"
  "$cli" f0 "$wav" > "$work/$f.f0.csv"
  praat --run "$here/formants_praat_dump.praat" "$wav" "$work/$f.praat.csv"
  ratio=$(awk "BEGIN{printf \"%.2f\", $ours / $peer}")
  seconds=$(soxi -D "$wav")
  agreement=$("$here/formants_agreement.py" "$work/$f.formants.csv" "$work/$f.praat.csv" "$work/$f.f0.csv")
  printf "%-18s %10s %10s %8s   %s (%.0f s)\n" "$f" "$ours" "$peer" "$ratio" "$agreement" "$seconds"
done
