#!/usr/bin/env python3
"""Runs a command (output to /dev/null unless -o FILE) and prints "<wall seconds> <peak RSS KiB>"."""
import os
import resource
import subprocess
import sys
import time

args = sys.argv[1:]
out_path = os.devnull
if args[:1] == ["-o"]:
    out_path, args = args[1], args[2:]
with open(out_path, "wb") as out:
    start = time.perf_counter()
    proc = subprocess.Popen(args, stdout=out)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
if os.waitstatus_to_exitcode(status) != 0:
    sys.exit(f"command failed: {' '.join(args)}")
print(f"{elapsed:.3f} {usage.ru_maxrss}")
