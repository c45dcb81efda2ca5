#!/usr/bin/env bash
# Praat's median F1..F3 error on the synthetic vowels of `analysis_accuracy vowels`, in the same
# table layout. Usage: vowels_praat.sh ANALYSIS_ACCURACY_BINARY
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$1" write-vowels "$work"
declare -A nominal=([a]="730 1090 2440" [i]="270 2290 3010" [u]="300 870 2240" [ae]="660 1720 2410")
failing=0; f1failing=0; cases=0
printf "%-3s %4s %5s %6s %8s %8s %8s\n" v res f0 rate "F1 %" "F2 %" "F3 %"
for v in a i u ae; do for count in 4 5; do for f0 in 100 150 200 250; do for rate in 11025 22050 44100; do
  got=$(praat --run "$here/vowels_praat.praat" "$work/$v-$count-$f0-$rate.wav")
  line=$(awk -v got="$got" -v want="${nominal[$v]}" 'BEGIN{split(got,g," ");split(want,w," ");worst=0;
    for(k=1;k<=3;k++){e[k]=100*(g[k]-w[k])/w[k];if(e[k]<0)e[k]=-e[k];if(e[k]>worst)worst=e[k]}
    printf "%8.1f %8.1f %8.1f%s%s", e[1], e[2], e[3], (worst>=5?"  FAIL":""), (e[1]>=5?" (F1)":"")}')
  printf "%-3s %4s %5s %6s %s\n" "$v" "$count" "$f0" "$rate" "$line"
  cases=$((cases+1))
  if [[ "$line" == *FAIL* ]]; then failing=$((failing+1)); fi
  if [[ "$line" == *"(F1)"* ]]; then f1failing=$((f1failing+1)); fi
done; done; done; done
echo "cases $cases, failing (F1..F3 median >= 5 %) $failing, of them F1 $f1failing"
