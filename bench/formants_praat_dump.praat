# As formants_praat_time.praat, then the frames as time,f1,f2,f3 lines (time = frame centre,
# 0 for an undefined formant).
form Formants
  sentence File
  sentence Out
endform
Read from file: file$
To Formant (burg): 0.01, 5, 5000, 0.049, 50
n = Get number of frames
text$ = "time,f1,f2,f3" + newline$
for i to n
  t = Get time from frame number: i
  line$ = fixed$(t, 6)
  for k to 3
    f = Get value at time: k, t, "hertz", "linear"
    if f = undefined
      f = 0
    endif
    line$ = line$ + "," + fixed$(f, 1)
  endfor
  text$ = text$ + line$ + newline$
endfor
writeFile: out$, text$
