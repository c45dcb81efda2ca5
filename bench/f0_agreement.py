#!/usr/bin/env python3
"""Agreement of two F0 tracks given as time,f0 CSV files (0 = unvoiced).

Each frame of the first track is paired with the nearest frame in time of the second. Prints
the share of frames both call voiced whose F0 values differ by less than 20 % (of the second),
the voicing agreement, and the frame counts."""
import bisect
import sys


def read(path):
    times, values = [], []
    with open(path) as f:
        next(f)
        for line in f:
            t, v = line.strip().split(",")
            times.append(float(t))
            values.append(float(v))
    return times, values


ours_t, ours_v = read(sys.argv[1])
peer_t, peer_v = read(sys.argv[2])
both = close = same_decision = judged = 0
for t, v in zip(ours_t, ours_v):
    i = bisect.bisect_left(peer_t, t)
    if i == len(peer_t) or (i > 0 and t - peer_t[i - 1] < peer_t[i] - t):
        i -= 1
    if i < 0 or abs(peer_t[i] - t) > 0.02:
        continue  # outside the peer's analysed span
    p = peer_v[i]
    judged += 1
    same_decision += (v > 0) == (p > 0)
    if v > 0 and p > 0:
        both += 1
        close += abs(v - p) < 0.2 * p
share = 100.0 * close / both if both else 0.0
voicing = 100.0 * same_decision / judged if judged else 0.0
print(f"agreement {share:.1f} % ({close}/{both} frames voiced in both), voicing decisions agree {voicing:.1f} %")
