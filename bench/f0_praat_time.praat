# Praat's autocorrelation pitch with the settings velmora-cli f0 uses: step 1/90 s, 60..1400 Hz.
form Pitch
  sentence File
endform
Read from file: file$
To Pitch (ac): 1/90, 60, 15, "no", 0.03, 0.45, 0.01, 0.35, 0.14, 1400
