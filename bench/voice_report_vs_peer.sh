#!/usr/bin/env bash
# velmora-cli voice-report against Praat's voice report on the same files, in the same run:
#   - synthetic sustained vowels with known jitter, shimmer and noise (voice_synth.py):
#     jitter local and shimmer local against the truth and Praat, HNR against Praat;
#   - CPPS against cpps_reference.py (numpy) and its fall as noise rises;
#   - espeak-ng sustained vowels and running speech at 22050 and 44100 Hz against Praat;
#   - speed: wall time of a 10-second span (best of 3).
# Usage: bench/voice_report_vs_peer.sh [path/to/velmora-cli]   (default: builds build-bench/)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

source "$here/bench_common.sh"
bench_install praat espeak-ng sox
/usr/bin/python3 -c "import numpy" 2>/dev/null || bench_install_numpy=1
if [ -n "${bench_install_numpy:-}" ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq python3-numpy
fi
cli="$(bench_cli "${1:-}")"
py=/usr/bin/python3

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

ours() { "$cli" voice-report "$@" | awk '{print $1, $2}'; }
peer() { praat --run "$here/voice_report_praat.praat" "$@"; }
value() { awk -v k="$1" '$1 == k {print $2}' "$2"; }

echo "velmora-cli: $cli"
echo "peer: $(praat --version)"
echo
echo "Synthetic [a], 2 s: truth / velmora / praat"
printf "%-34s %22s %22s %16s %18s\n" "rate f0 jit% shim% hnr" "jitter local %" "shimmer local %" "HNR dB (v/p)" "CPPS (v/ref)"
while read -r rate f0 jit shim hnr seed; do
  wav="$work/s-$rate-$f0-$jit-$shim-$hnr.wav"
  read -r tj ts < <($py "$here/voice_synth.py" "$wav" "$rate" "$f0" 2 "$jit" "$shim" "$hnr" "$seed")
  ours "$wav" > "$work/o.txt"
  peer "$wav" 0 0 > "$work/p.txt"
  ref=$($py "$here/cpps_reference.py" "$wav")
  printf "%-34s %6.3f %6.3f %7.3f  %6.3f %6.3f %7.3f  %7.2f %7.2f  %8.2f %8.2f\n" \
    "$rate $f0 $jit $shim $hnr" "$tj" "$(value jitter_local "$work/o.txt")" "$(value jitter_local "$work/p.txt")" \
    "$ts" "$(value shimmer_local "$work/o.txt")" "$(value shimmer_local "$work/p.txt")" \
    "$(value hnr "$work/o.txt")" "$(value hnr "$work/p.txt")" "$(value cpps "$work/o.txt")" "$ref"
done <<'GRID'
44100 120 0.2 1 30 1
44100 120 1 5 20 2
44100 120 3 10 10 3
22050 220 0.2 1 30 4
22050 220 1 5 20 5
22050 220 3 10 5 6
44100 100 0.5 2 inf 7
44100 100 0.5 2 30 7
44100 100 0.5 2 20 7
44100 100 0.5 2 15 7
44100 100 0.5 2 10 7
44100 100 0.5 2 5 7
GRID

# One row: jitter, shimmer and HNR of the whole file, ours beside Praat's.
side_by_side() {
  ours "$1" > "$work/o.txt"
  peer "$1" 0 0 > "$work/p.txt"
  printf "%-24s %7.3f %7.3f  %7.3f %7.3f  %7.2f %7.2f\n" "$2" \
    "$(value jitter_local "$work/o.txt")" "$(value jitter_local "$work/p.txt")" \
    "$(value shimmer_local "$work/o.txt")" "$(value shimmer_local "$work/p.txt")" \
    "$(value hnr "$work/o.txt")" "$(value hnr "$work/p.txt")"
}

echo
echo "espeak-ng sustained vowels: velmora / praat"
printf "%-24s %16s %16s %16s\n" file "jitter local %" "shimmer local %" "HNR dB"
for voice in en-us en-us+f3; do
  espeak-ng -v "$voice" -s 80 -w "$work/e.wav" "aaaaaaaaaaah"
  for rate in 22050 44100; do
    sox "$work/e.wav" -r "$rate" -c 1 -b 16 "$work/e-$rate.wav"
    side_by_side "$work/e-$rate.wav" "$voice $rate"
  done
done

echo
echo "espeak-ng running speech (the whole sentence): velmora / praat"
printf "%-24s %16s %16s %16s\n" file "jitter local %" "shimmer local %" "HNR dB"
sentence="The north wind and the sun were disputing which was the stronger, when a traveller came along wrapped in a warm cloak."
for voice in en-us en-us+f3; do
  espeak-ng -v "$voice" -w "$work/r.wav" "$sentence"
  for rate in 22050 44100; do
    sox "$work/r.wav" -r "$rate" -c 1 -b 16 "$work/r-$rate.wav"
    side_by_side "$work/r-$rate.wav" "$voice $rate"
  done
done

echo
$py "$here/voice_synth.py" "$work/long.wav" 44100 120 12 1 5 20 9 > /dev/null
best=""
for _ in 1 2 3; do
  start=$(date +%s.%N)
  "$cli" voice-report "$work/long.wav" --start 1 --end 11 > /dev/null
  t=$(awk "BEGIN{print $(date +%s.%N) - $start}")
  if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
done
echo "speed: 10 s span of a 12 s 44100 Hz file, whole command (read, F0 track, report): ${best} s (best of 3)"
