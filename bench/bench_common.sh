# Shared steps of the comparison benchmarks; sourced, not run.
#   bench_install CMD...        apt-get the Debian packages named like the missing commands
#   bench_cli [path]            the velmora-cli to time (builds build-bench/ when none is given)
#   bench_speech DIR            DIR/speech.wav: about 90 s of espeak-ng speech, four voices, 22050 Hz

bench_install() {
  local need=()
  for cmd in "$@"; do command -v "$cmd" >/dev/null || need+=("$cmd"); done
  [ ${#need[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${need[@]}"
}

bench_cli() {
  local repo
  repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  if [ -n "${1:-}" ]; then
    echo "$1"
    return
  fi
  cmake -S "$repo" -B "$repo/build-bench" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=OFF >/dev/null
  cmake --build "$repo/build-bench" -j2 --target velmora-cli >/dev/null
  echo "$repo/build-bench/src/velmora-cli"
}

bench_speech() {
  local work="$1"
  local text="A speech therapist records the voice of her client at every visit. She listens for the
pitch, the loudness and the quality of the voice, and she compares each new recording with
the earlier ones. Sustained vowels show how steady the voice is; reading a short passage shows
how the pitch rises and falls in running speech. Questions lift the melody at the end, while
statements usually fall. Over weeks of practice the client learns to use a comfortable pitch
and to breathe calmly between phrases, and the recordings tell the story of that progress."
  local parts=()
  for voice in en-us en-us+f3 en-gb+m3 en-us+f2; do
    espeak-ng -v "$voice" -s 150 -w "$work/part-$voice.wav" "$text"
    parts+=("$work/part-$voice.wav")
  done
  sox "${parts[@]}" -r 22050 -c 1 -b 16 "$work/speech.wav"
}
