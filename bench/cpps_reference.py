#!/usr/bin/env python3
"""CPPS of a WAV file, written straight from the definition velmora uses, for comparison:
at 20 kHz and above the signal is convolved with a 4500 Hz low-pass (sinc times a Hann window
of 16 k taps each side, unit sum, zeros beyond the file's ends) and every k-th sample kept,
k = rate // 10000; then 40 ms Hann frames every 2 ms (mean removed, zero-padded to a power of two), power cepstrum of
the 10 log10 power spectrum, averaged over 11 frames and then +-0.25 ms of quefrency, in dB, peak
between 1/330 and 1/60 s minus the least-squares line from 1 ms to min(N/2, 50 ms); the mean
over all frames.  usage: cpps_reference.py FILE.wav"""
import sys
import wave

import numpy as np


def main():
    with wave.open(sys.argv[1]) as w:
        rate = w.getframerate()
        x = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2").astype(float) / 32768.0
    factor = int(rate // 10000)
    if factor >= 2:
        half = 16 * factor
        j = np.arange(-half, half + 1)
        taps = np.sinc(2 * 4500.0 / rate * j) * (0.5 + 0.5 * np.cos(np.pi * j / (half + 1)))
        x = np.convolve(x, taps / taps.sum(), "same")[::factor]
        rate = rate / factor
    window, step = round(0.04 * rate), round(0.002 * rate)
    n = 1 << (window - 1).bit_length()
    taper = 0.5 - 0.5 * np.cos(2 * np.pi * (np.arange(window) + 0.5) / window)
    count = (len(x) - window) // step + 1
    ceps = np.empty((count, n // 2 + 1))
    for j in range(count):
        frame = x[j * step:j * step + window]
        spectrum = np.fft.rfft((frame - frame.mean()) * taper, n)
        logpower = 10 * np.log10(np.abs(spectrum) ** 2 + 1e-30)
        c = np.fft.irfft(logpower, n) * n
        ceps[j] = c[:n // 2 + 1] ** 2
    half_q = round(0.00025 * rate)
    q = np.arange(n // 2 + 1)
    lo, hi = int(np.ceil(rate / 330)), min(n // 2, int(np.floor(rate / 60)))
    t_lo, t_hi = round(0.001 * rate), min(n // 2, round(0.05 * rate))
    total = 0.0
    for i in range(count):
        smooth_t = ceps[max(0, i - 5):min(count, i + 6)].mean(axis=0)
        smooth = 10 * np.log10(np.array([smooth_t[max(0, k - half_q):k + half_q + 1].mean() for k in q]) + 1e-30)
        peak = lo + int(np.argmax(smooth[lo:hi + 1]))
        slope, intercept = np.polyfit(q[t_lo:t_hi + 1], smooth[t_lo:t_hi + 1], 1)
        total += smooth[peak] - (intercept + slope * peak)
    print(f"{total / count:.3f}")


if __name__ == "__main__":
    main()
