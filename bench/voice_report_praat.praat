# Praat's voice report of a span, as "name value" lines in the units velmora-cli uses.
# usage: praat --run voice_report_praat.praat FILE.wav START END   (END 0: whole file)
form Voice report
  sentence file
  real start 0
  real end 0
endform
sound = Read from file: file$
pitch = To Pitch (cc): 0, 75, 15, "no", 0.03, 0.45, 0.01, 0.35, 0.14, 600
selectObject: sound, pitch
pulses = To PointProcess (cc)
selectObject: sound, pitch, pulses
report$ = Voice report: start, end, 75, 600, 1.3, 1.6, 0.03, 0.45
writeInfoLine: "f0_median ", extractNumber (report$, "Median pitch: ")
appendInfoLine: "f0_mean ", extractNumber (report$, "Mean pitch: ")
appendInfoLine: "periods ", extractNumber (report$, "Number of periods: ")
appendInfoLine: "jitter_local ", extractNumber (report$, "Jitter (local): ") * 100
appendInfoLine: "jitter_local_absolute ", extractNumber (report$, "Jitter (local, absolute): ") * 1e6
appendInfoLine: "jitter_rap ", extractNumber (report$, "Jitter (rap): ") * 100
appendInfoLine: "jitter_ppq5 ", extractNumber (report$, "Jitter (ppq5): ") * 100
appendInfoLine: "shimmer_local ", extractNumber (report$, "Shimmer (local): ") * 100
appendInfoLine: "shimmer_local_db ", extractNumber (report$, "Shimmer (local, dB): ")
appendInfoLine: "shimmer_apq3 ", extractNumber (report$, "Shimmer (apq3): ") * 100
appendInfoLine: "shimmer_apq11 ", extractNumber (report$, "Shimmer (apq11): ") * 100
appendInfoLine: "hnr ", extractNumber (report$, "Mean harmonics-to-noise ratio: ")
