#!/usr/bin/env python3
"""Writes a synthetic sustained vowel with known cycle-to-cycle jitter, shimmer and noise.

Each cycle is the sum of three damped sinusoids (the formants of [a]) starting at the cycle's
onset, evaluated exactly at the sample times, so onsets are placed to a fraction of a sample,
and faded out within 0.8 mean periods so that no cycle rings into the next: each cycle's peak
is then its own amplitude, and the true jitter and shimmer are those of the waveform.
Periods are T0 (1 + j e), amplitudes 1 + s e, with e uniform in [-sqrt 3, sqrt 3] (unit
variance); white Gaussian noise is added at the given harmonics-to-noise ratio.
Prints the true jitter local (%) and shimmer local (%) of the generated cycles.

usage: voice_synth.py OUT.wav RATE F0 SECONDS JITTER_SD% SHIMMER_SD% HNR_DB SEED
       (HNR_DB "inf" for no noise)
"""
import math
import random
import struct
import sys
import wave

FORMANTS = ((700.0, 80.0, 1.0), (1220.0, 90.0, 0.5), (2600.0, 120.0, 0.25))


def main():
    out, rate, f0, seconds, jit, shim, hnr, seed = sys.argv[1:9]
    rate, f0, seconds = int(rate), float(f0), float(seconds)
    jit, shim = float(jit) / 100.0, float(shim) / 100.0
    rng = random.Random(int(seed))
    n = int(rate * seconds)
    x = [0.0] * n
    onsets, amps = [], []
    t = 0.02
    unit = math.sqrt(3.0)
    while t < seconds - 0.04:
        onsets.append(t)
        amps.append(1.0 + shim * rng.uniform(-unit, unit))
        t += (1.0 + jit * rng.uniform(-unit, unit)) / f0
    length = 0.8 / f0
    for onset, amp in zip(onsets, amps):
        first = int(math.ceil(onset * rate))
        for k in range(first, min(n, first + int(length * rate) + 1)):
            d = k / rate - onset
            if d >= length:
                break
            fade = 1.0 if d < 0.6 * length else 0.5 + 0.5 * math.cos(math.pi * (d / length - 0.6) / 0.4)
            v = 0.0
            for freq, bw, gain in FORMANTS:
                v += gain * math.exp(-math.pi * bw * d) * math.sin(2 * math.pi * freq * d)
            x[k] += amp * fade * v
    power = sum(v * v for v in x) / n
    if hnr != "inf":
        sigma = math.sqrt(power / 10 ** (float(hnr) / 10.0))
        x = [v + rng.gauss(0.0, sigma) for v in x]
    peak = max(abs(v) for v in x)
    scale = 0.7 * 32767 / peak
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(b"".join(struct.pack("<h", int(round(v * scale))) for v in x))
    periods = [b - a for a, b in zip(onsets, onsets[1:])]
    jl = sum(abs(b - a) for a, b in zip(periods, periods[1:])) / (len(periods) - 1) / (sum(periods) / len(periods))
    sl = sum(abs(b - a) for a, b in zip(amps, amps[1:])) / (len(amps) - 1) / (sum(amps) / len(amps))
    print(f"{100 * jl:.4f} {100 * sl:.4f}")


if __name__ == "__main__":
    main()
