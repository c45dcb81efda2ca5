#!/usr/bin/env bash
# Time and peak memory of velmora-cli backup and restore on a working folder of 100 clients
# with 10 recordings of 10 s each (22050 Hz mono, about 430 kB each, 430 MB in all), each
# with its date, label and notes files. Prints /usr/bin/time -v's wall time and maximum
# resident set size for: a security backup, a full restore of it, a send to backup of all
# clients and the attach that brings them back.
# Usage: bench/backup_restore.sh [path/to/velmora-cli] [folder for the data (default: a temp folder)]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/bench_common.sh"
cli="$(bench_cli "${1:-}")"
base="${2:-}"
if [ -z "$base" ]; then base="$(mktemp -d)"; trap 'rm -rf "$base"' EXIT; fi
work="$base/work"
target="$base/target"
rm -rf "$work" "$target"
mkdir -p "$work" "$target"

sox -V1 -q -n -r 22050 -c 1 -b 16 "$base/ten.wav" synth 10 sine 180 sine 1200 remix 1-2 gain -n -3
/usr/bin/python3 - "$work" <<'PY'
import sys, dbf
work = sys.argv[1]
t = dbf.Table(work + "/pacb.dbf", "CODIGO N(4,0); NOME C(60); TIPO N(4,0); DATANASC C(12); ENDERECO C(60); "
              "CIDADE C(30); ESTADO C(4); CEP C(12); FONER C(14); FONEC C(14); OBS C(100)", dbf_type="db3")
t.open(dbf.READ_WRITE)
for code in range(1, 101):
    t.append((code, "Client %d" % code, 0, "", "", "", "", "", "", "", ""))
t.close()
PY
for c in $(seq 1 100); do
  d="$work/$(printf 'pac%03d' "$c")"
  mkdir -p "$d"
  for n in $(seq 1 10); do
    s="$(printf 'wv%03d' "$n")"
    cp "$base/ten.wav" "$d/$s.wav"
    touch -d "2024-03-07 10:$(printf %02d "$n"):00 UTC" "$d/$s.wav"
    echo -n "1709805600" > "$d/$s.ddt"
    echo "label $n" > "$d/$s.mrk"
    echo "notes $n" > "$d/$s.txt"
  done
done
echo "working folder: $(du -sh "$work" | cut -f1), $(find "$work" -type f | wc -l) files"

measure() {
  local name="$1"; shift
  local out
  /usr/bin/time -v -o "$base/time.txt" "$cli" "$@" >/dev/null 2>"$base/err.txt" || true
  out="$(cat "$base/time.txt")"
  printf '%-22s wall %s  peak RSS %s kB\n' "$name" \
    "$(grep 'Elapsed (wall clock)' <<<"$out" | awk '{print $NF}')" \
    "$(grep 'Maximum resident set size' <<<"$out" | awk '{print $NF}')"
}
sync
measure "backup (all)" backup --data "$work" --to "$target"
folder="$(ls -d "$target"/bkp-vl*)"
measure "restore (full)" restore --data "$work" --from "$folder"
rm -rf "$target"; mkdir -p "$target"
measure "backup --send (all)" backup --data "$work" --to "$target" --clients "$(seq -s, 1 100)" --send
folder="$(ls -d "$target"/bkp-vl*)"
measure "restore --attach (all)" restore --data "$work" --from "$folder" --attach "$(seq -s, 1 100)"
echo "recordings back in place: $(find "$work" -name 'wv*.wav' | wc -l) of 1000"
