#!/usr/bin/env python3
"""Agreement of velmora-cli formants with Praat's Burg formants on voiced frames.

Arguments: ours.csv (time,f1,f2,f3,f4 with time = frame start; frames are 0.049 s long),
peer.csv (time,f1,f2,f3 with time = frame centre), f0.csv (time,f0; 0 = unvoiced).
Each of our frames is compared at its centre with the nearest peer frame (within 5 ms); it
counts when the F0 track calls the nearest F0 frame voiced and the peer has F1..F3. Prints the
median absolute difference of F1, F2 and F3 in Hz and the number of frames compared."""
import bisect
import statistics
import sys

FRAME_CENTRE_S = 0.0245


def read(path):
    rows = []
    with open(path) as f:
        next(f)
        for line in f:
            rows.append([float(v) for v in line.strip().split(",")])
    return rows


def nearest(times, t):
    i = bisect.bisect_left(times, t)
    if i == len(times) or (i > 0 and t - times[i - 1] < times[i] - t):
        i -= 1
    return i


ours = read(sys.argv[1])
peer = read(sys.argv[2])
f0 = read(sys.argv[3])
peer_t = [r[0] for r in peer]
f0_t = [r[0] for r in f0]
diffs = [[], [], []]
for row in ours:
    centre = row[0] + FRAME_CENTRE_S
    j = nearest(f0_t, centre)
    if j < 0 or abs(f0_t[j] - centre) > 0.012 or f0[j][1] <= 0:
        continue
    i = nearest(peer_t, centre)
    if i < 0 or abs(peer_t[i] - centre) > 0.005 or min(peer[i][1:4]) <= 0:
        continue
    for k in range(3):
        diffs[k].append(abs(row[1 + k] - peer[i][1 + k]))
if not diffs[0]:
    print("no voiced frames in common")
    sys.exit(0)
m = [statistics.median(d) for d in diffs]
print(f"median |diff| F1 {m[0]:.0f} Hz, F2 {m[1]:.0f} Hz, F3 {m[2]:.0f} Hz over {len(diffs[0])} voiced frames")
