#!/usr/bin/env bash
# Sample-rate conversion of velmora-cli against sox at its best quality ("rate -v"):
#   - speed: one minute of 8000 Hz mono to 11025 Hz, and one minute of 48000 Hz stereo to
#     44100 Hz (velmora mixes to mono first, as the import does; sox is timed both keeping
#     stereo and mixing to mono), best of 3 runs in the same session, wall and CPU seconds;
#     a same-rate run of velmora-cli shows what reading and the atomic write cost alone;
#   - quality, measured by sox's "stats": level change of full-scale passband sines, and the
#     level left of tones above the new Nyquist frequency (aliasing), for both programs.
# Usage: bench/resample_vs_sox.sh [path/to/velmora-cli]   (default: builds build-bench/)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(dirname "$here")"

if ! command -v sox >/dev/null; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq sox
fi

cli="${1:-}"
if [ -z "$cli" ]; then
  cmake -S "$repo" -B "$repo/build-bench" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=OFF >/dev/null
  cmake --build "$repo/build-bench" -j2 --target velmora-cli >/dev/null
  cli="$repo/build-bench/src/velmora-cli"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# One minute of test signal: a voice-like mix of tones with noise, 16-bit.
sox -V1 -q -n -r 8000 -c 1 -b 16 "$work/m8000.wav" synth 60 sine 180 sine 1200 whitenoise remix 1-3 gain -n -1
sox -V1 -q -n -r 48000 -c 2 -b 16 "$work/s48000.wav" synth 60 sine 220 sine 3300 whitenoise remix 1,3 2,3 gain -n -1
sox -V1 -q -n -r 44100 -c 2 -b 16 "$work/s44100.wav" synth 60 sine 220 sine 3300 whitenoise remix 1,3 2,3 gain -n -1

# best_of3 CMD...: prints "wall user+sys" of the fastest of three runs.
best_of3() {
  local best="" line
  for _ in 1 2 3; do
    line=$( { TIMEFORMAT='%R %U %S'; time "$@" >/dev/null 2>&1; } 2>&1 )
    read -r wall user sys <<<"$line"
    cpu=$(python3 -c "print(f'{$user + $sys:.3f}')")
    if [ -z "$best" ] || python3 -c "import sys; sys.exit(0 if $wall < ${best%% *} else 1)"; then best="$wall $cpu"; fi
  done
  echo "$best"
}

ratio() { python3 -c "print(f'{$1 / $2:.2f}')"; }

echo "== speed (best of 3; seconds wall / cpu) =="
v1=$(best_of3 "$cli" convert "$work/m8000.wav" "$work/v1.wav" --rate 11025)
s1=$(best_of3 sox -V1 "$work/m8000.wav" "$work/s1.wav" rate -v 11025)
echo "8000 mono -> 11025:      velmora ${v1% *} / ${v1#* }   sox ${s1% *} / ${s1#* }   ratio wall $(ratio "${v1% *}" "${s1% *}")  cpu $(ratio "${v1#* }" "${s1#* }")"
v2=$(best_of3 "$cli" convert "$work/s48000.wav" "$work/v2.wav" --rate 44100 --channel mix)
s2=$(best_of3 sox -V1 "$work/s48000.wav" "$work/s2.wav" rate -v 44100)
s2m=$(best_of3 sox -V1 "$work/s48000.wav" "$work/s2m.wav" remix - rate -v 44100)
echo "48000 stereo -> 44100:   velmora ${v2% *} / ${v2#* }   sox stereo ${s2% *} / ${s2#* }   ratio wall $(ratio "${v2% *}" "${s2% *}")  cpu $(ratio "${v2#* }" "${s2#* }")"
echo "                         sox mixed to mono ${s2m% *} / ${s2m#* }   ratio wall $(ratio "${v2% *}" "${s2m% *}")  cpu $(ratio "${v2#* }" "${s2m#* }")"
io=$(best_of3 "$cli" convert "$work/s44100.wav" "$work/v3.wav" --rate 44100 --channel mix)
echo "velmora read + mix + atomic write alone (44100 stereo -> 44100 mono): ${io% *} / ${io#* }"
echo "stages of the two conversions:"
"$cli" convert "$work/m8000.wav" "$work/v1.wav" --rate 11025 2>&1 | sed 's/^/  8000->11025  /'
"$cli" convert "$work/s48000.wav" "$work/v2.wav" --rate 44100 2>&1 | sed 's/^/  48000->44100 /'

# RMS level without the first and last half second, where the tone starts and stops.
rms_db() { sox "$1" -n trim 0.5 -0.5 stats 2>&1 | awk '/RMS lev dB/ {print $4}'; }
level_change() {  # rate_in rate_out freq
  local in="$work/q_in.wav"
  sox -V1 -q -n -r "$1" -c 1 -b 16 "$in" synth 4 sine "$3" gain -n -0.1
  "$cli" convert "$in" "$work/q_v.wav" --rate "$2" 2>/dev/null
  sox -V1 "$in" "$work/q_s.wav" rate -v "$2"
  local a b c
  a=$(rms_db "$in"); b=$(rms_db "$work/q_v.wav"); c=$(rms_db "$work/q_s.wav")
  printf "  %6s -> %5s  %6s Hz   velmora %+7.2f dB   sox %+7.2f dB\n" "$1" "$2" "$3" \
    "$(python3 -c "print($b - $a)")" "$(python3 -c "print($c - $a)")"
}

echo "== quality: level change of a full-scale sine (passband) =="
level_change 8000 11025 1000
level_change 8000 11025 3500
level_change 48000 44100 1000
level_change 48000 44100 19000
level_change 44100 22050 9000
level_change 16000 11025 4500
echo "== quality: tone above the new Nyquist frequency (alias left, dB re input) =="
level_change 48000 11025 8000
level_change 48000 44100 23000
level_change 44100 22050 15000
level_change 22050 11025 6000
