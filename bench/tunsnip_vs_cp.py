#!/usr/bin/env python3
"""Times tunsnip once per AY file against cp of the same file, interleaved.

For every file of ../shared/ay-corpus (or, where that is absent, a generated
corpus of similar sizes) both commands run ROUNDS times in alternation, each in
a fresh scratch folder, and the per-file medians are compared.

Usage: bench/tunsnip_vs_cp.py [path/to/tunsnip] [rounds]
"""
import os
import random
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
CORPUS = os.path.join(ROOT, "..", "shared", "ay-corpus")


def generated_corpus(folder, count=200):
    """AY files with 1 to 8 songs and blocks of 100 bytes to 40 KB, like real rips."""
    rng = random.Random(1)
    paths = []
    for n in range(count):
        songs = rng.randint(1, 8)
        data = bytes(rng.getrandbits(8) for _ in range(rng.randint(100, 40000)))
        # Header, song table, song data, points, one block list shared by all songs.
        table_at, data_at = 20, 20 + 4 * songs
        points_at = data_at + 14
        list_at = points_at + 6
        text_at = list_at + 8
        blob_at = text_at + 6
        out = bytearray(b"ZXAYEMUL\x03\x00\x00\x00")
        out += struct.pack(">hh", text_at - 12, text_at - 14)
        out += bytes([songs - 1, 0]) + struct.pack(">h", table_at - 18)
        for i in range(songs):
            entry = table_at + 4 * i
            out += struct.pack(">hh", text_at - entry, data_at - entry - 2)
        out += b"\x00\x01\x02\x03" + b"\x00" * 6 + struct.pack(">hh", points_at - data_at - 10, list_at - data_at - 12)
        out += struct.pack(">HHH", 0xFF00, 0, 0x8010)
        out += struct.pack(">HHh", 0x8000, len(data), blob_at - list_at - 4) + b"\x00\x00"
        out += b"bench\x00"
        out += data
        path = os.path.join(folder, "gen%03d.ay" % n)
        with open(path, "wb") as f:
            f.write(out)
        paths.append(path)
    return paths


def timed(command, cwd):
    start = time.perf_counter_ns()
    subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL, check=False)
    return time.perf_counter_ns() - start


def main():
    tunsnip = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "release", "src", "tunsnip"))
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    scratch = tempfile.mkdtemp(prefix="tunsnip-bench-")
    try:
        if os.path.isdir(CORPUS):
            inputs, source = sorted(os.path.join(CORPUS, f) for f in os.listdir(CORPUS)), CORPUS
        else:
            generated = os.path.join(scratch, "generated")
            os.mkdir(generated)
            inputs, source = generated_corpus(generated), "a generated corpus"
        ours, theirs = [], []
        work = os.path.join(scratch, "work")
        for path in inputs:
            name = os.path.basename(path)
            t_runs, c_runs = [], []
            for _ in range(rounds):
                for runs, command in ((t_runs, [tunsnip, name]), (c_runs, ["cp", name, "copy.ay"])):
                    os.mkdir(work)
                    shutil.copyfile(path, os.path.join(work, name))
                    runs.append(timed(command, work))
                    shutil.rmtree(work)
            ours.append(statistics.median(t_runs))
            theirs.append(statistics.median(c_runs))
        t, c = statistics.median(ours), statistics.median(theirs)
        print("%d files from %s, %d rounds each, interleaved" % (len(inputs), source, rounds))
        print("tunsnip per file: median %.3f ms" % (t / 1e6))
        print("cp per file:      median %.3f ms" % (c / 1e6))
        print("ratio tunsnip/cp: %.2f" % (t / c))
    finally:
        shutil.rmtree(scratch)


if __name__ == "__main__":
    main()
