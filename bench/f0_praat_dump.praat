# As f0_praat_time.praat, then the frames as time,f0 lines (0 = unvoiced).
form Pitch
  sentence File
  sentence Out
endform
Read from file: file$
To Pitch (ac): 1/90, 60, 15, "no", 0.03, 0.45, 0.01, 0.35, 0.14, 1400
n = Get number of frames
text$ = "time,f0" + newline$
for i to n
  t = Get time from frame number: i
  f = Get value in frame: i, "Hertz"
  if f = undefined
    f = 0
  endif
  text$ = text$ + fixed$(t, 6) + "," + fixed$(f, 2) + newline$
endfor
writeFile: out$, text$
