#!/usr/bin/env python3
"""Times tunsnip on one song with N distinct blocks, N = 10,000 and 100,000
(so N BIN files), to show that the cost grows linearly with N.

Usage: bench/block_scaling.py [path/to/tunsnip] [rounds]
"""
import os
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def distinct_blocks(count):
    """One song whose block entries each point at their own pointer field:
    every block starts elsewhere, so every one gets a BIN file."""
    out = bytearray(b"ZXAYEMUL\x03\x00\x00\x00")
    text_at, table_at, data_at = 20, 21, 25
    points_at, list_at = data_at + 14, data_at + 20
    out += struct.pack(">hh", text_at - 12, text_at - 14) + b"\x00\x00" + struct.pack(">h", table_at - 18)
    out += b"\x00"  # the empty text
    out += struct.pack(">hh", text_at - table_at, data_at - table_at - 2)
    out += b"\x00\x01\x02\x03" + b"\x00" * 6 + struct.pack(">hh", points_at - data_at - 10, list_at - data_at - 12)
    out += struct.pack(">HHH", 0xFF00, 0, 0x8000)
    out += struct.pack(">HHh", 0x8000, 2, 0) * count + b"\x00\x00"
    return bytes(out)


def main():
    tunsnip = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "release", "src", "tunsnip"))
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    medians = {}
    for count in (10000, 100000):
        data = distinct_blocks(count)
        times = []
        for _ in range(rounds):
            work = tempfile.mkdtemp(prefix="tunsnip-scale-")
            with open(os.path.join(work, "big.ay"), "wb") as f:
                f.write(data)
            start = time.perf_counter_ns()
            status = subprocess.run([tunsnip, "big.ay"], cwd=work, stdout=subprocess.DEVNULL).returncode
            times.append(time.perf_counter_ns() - start)
            files = len(os.listdir(work))
            shutil.rmtree(work)
            if status != 0 or files != count + 2:
                sys.exit("N=%d: status %d, %d files" % (count, status, files))
        medians[count] = statistics.median(times)
        print("N=%6d: median %.3f s over %d runs" % (count, medians[count] / 1e9, rounds))
    print("t(100k)/t(10k) = %.2f" % (medians[100000] / medians[10000]))


if __name__ == "__main__":
    main()
