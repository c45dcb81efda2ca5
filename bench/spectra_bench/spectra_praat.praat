# Praat's "To Spectrogram" and "To Ltas" on one file, best of three, in milliseconds.
#   default: Praat's own default settings (Gaussian 5 ms, up to 5000 Hz, step 2 ms, 20 Hz)
#   matched: our picture of an 800-column pane: the same 93 ms window span (Praat's
#            Gaussian spans twice its effective length), up to 5512 Hz, 800 frames
#   ltas:    one band per bin of a 512-point FFT at 44100 Hz (86.13 Hz)
form Spectra
  sentence File
endform
sound = Read from file: file$
duration = Get total duration

procedure best: .what$
  .best = 1e9
  for .rep to 3
    selectObject: sound
    stopwatch
    if .what$ = "default"
      To Spectrogram: 0.005, 5000, 0.002, 20, "Gaussian"
    elsif .what$ = "matched"
      To Spectrogram: 0.0464, 5512, duration / 800, 20, "Gaussian"
    else
      To Ltas: 44100 / 512
    endif
    .t = stopwatch
    Remove
    .best = min (.best, .t)
  endfor
  appendInfoLine: .what$, " ", fixed$ (.best * 1000, 1)
endproc

@best: "default"
@best: "matched"
@best: "ltas"
