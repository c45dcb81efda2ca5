# Praat's Burg formant analysis with the settings the comparison uses: step 0.01 s, 5 formants,
# 5000 Hz ceiling, 0.049 s window, pre-emphasis from 50 Hz.
form Formants
  sentence File
endform
Read from file: file$
To Formant (burg): 0.01, 5, 5000, 0.049, 50
