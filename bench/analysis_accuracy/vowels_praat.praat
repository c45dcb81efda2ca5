# Median F1..F3 of Praat's "To Formant (burg)" (the settings of formants_praat_dump.praat) over
# the frames from 0.1 s to 0.9 s of one synthetic vowel; prints "f1 f2 f3".
form Vowel
  sentence File
endform
Read from file: file$
To Formant (burg): 0.01, 5, 5000, 0.049, 50
line$ = ""
for k to 3
  f = Get quantile: k, 0.1, 0.9, "hertz", 0.5
  line$ = line$ + fixed$(f, 1) + " "
endfor
writeInfoLine: line$
