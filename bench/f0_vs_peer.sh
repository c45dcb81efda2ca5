#!/usr/bin/env bash
# F0 track of velmora-cli against Praat's "To Pitch (ac)" (step 1/90 s, 60..1400 Hz) on
# synthetic speech (espeak-ng, resampled with sox) at 11025, 22050 and 44100 Hz:
#   - speed: wall time of each program on the same files in the same run (best of 3), ratio;
#   - agreement: frames both call voiced whose F0 differ by less than 20 %;
#   - memory: peak RSS of velmora-cli for a 10-second and a 10-minute 44100 Hz recording.
# Usage: bench/f0_vs_peer.sh [path/to/velmora-cli]   (default: builds build-bench/)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(dirname "$here")"

source "$here/bench_common.sh"
bench_install praat espeak-ng sox python3
cli="$(bench_cli "${1:-}")"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# About a minute and a half of speech from four voices, male and female.
bench_speech "$work"
for rate in 11025 22050 44100; do sox "$work/speech.wav" -r "$rate" "$work/speech-$rate.wav"; done
sox "$work/speech.wav" "$work/speech.wav" -r 44100 "$work/long-44100.wav" trim 0 150
sox "$work/speech.wav" -r 44100 "$work/short-44100.wav" trim 0 10
sox $(for i in 1 2 3 4 5 6 7; do echo "$work/speech.wav"; done) -r 44100 "$work/ten-minutes-44100.wav" trim 0 600

best_of_3() {  # prints the smallest wall time and the largest peak RSS of three runs
  local best="" rss=0 t r
  for _ in 1 2 3; do
    read -r t r < <("$here/f0_measure.py" "$@")
    if [ -z "$best" ] || awk "BEGIN{exit !($t < $best)}"; then best=$t; fi
    [ "$r" -gt "$rss" ] && rss=$r
  done
  echo "$best $rss"
}

echo "velmora-cli: $cli"
echo "peer: $(praat --version)"
printf "%-22s %10s %10s %8s   %s\n" file "velmora s" "praat s" ratio agreement
for f in speech-11025 speech-22050 speech-44100 long-44100; do
  wav="$work/$f.wav"
  read -r ours _ < <(best_of_3 "$cli" f0 "$wav")
  read -r peer _ < <(best_of_3 praat --run "$here/f0_praat_time.praat" "$wav")
  "$cli" f0 "$wav" > "$work/$f.velmora.csv"
  praat --run "$here/f0_praat_dump.praat" "$wav" "$work/$f.praat.csv"
  ratio=$(awk "BEGIN{printf \"%.2f\", $ours / $peer}")
  seconds=$(soxi -D "$wav")
  agreement=$("$here/f0_agreement.py" "$work/$f.velmora.csv" "$work/$f.praat.csv")
  printf "%-22s %10s %10s %8s   %s (%.0f s)\n" "$f" "$ours" "$peer" "$ratio" "$agreement" "$seconds"
done

read -r _ short_rss < <("$here/f0_measure.py" "$cli" f0 "$work/short-44100.wav")
read -r ten_t ten_rss < <("$here/f0_measure.py" "$cli" f0 "$work/ten-minutes-44100.wav")
samples_kib=$(( $(stat -c %s "$work/ten-minutes-44100.wav") / 1024 ))
echo "memory: peak RSS 10 s: ${short_rss} KiB; 10 min: ${ten_rss} KiB (${ten_t} s);" \
  "growth $(( ten_rss - short_rss )) KiB for ${samples_kib} KiB of samples" \
  "(excess $(( ten_rss - short_rss - samples_kib )) KiB)"
