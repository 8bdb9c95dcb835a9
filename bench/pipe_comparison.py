#!/usr/bin/env python3
"""Whole-process cost per word of the pipe mode: morvane-check -a against aspell -a and
hunspell -a, each started afresh and fed the benchmark's misspelling corpus as text lines.

    bench/pipe_comparison.py [--morvane PATH] [--corpus FILE] [--runs N]

Each program runs --runs times (aspell and hunspell, much slower, fewer: see below); the
median run is reported as wall-clock time and as processor time (user + system, which a busy
machine inflates less), per word, with the ratios to Morvane. A program that is not installed
is skipped with a note (Debian packages aspell, aspell-en, hunspell, hunspell-en-us).
"""
import argparse
import os
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def run_once(command, corpus):
    """Wall and processor seconds of one run; the output's line count. The text comes from the
    file itself, all of it there from the start, as it is for every program alike."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    with open(corpus, "rb") as text:
        done = subprocess.run(command, stdin=text, stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=False)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    if done.returncode != 0:
        sys.exit(f"pipe_comparison: {command[0]} exited with {done.returncode}: {done.stderr.decode(errors='replace')}")
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall, cpu, done.stdout.count(b"\n")


def measure(name, command, corpus, runs):
    results = [run_once(command, corpus) for _ in range(runs)]
    wall = statistics.median(r[0] for r in results)
    cpu = statistics.median(r[1] for r in results)
    return {"name": name, "wall": wall, "cpu": cpu, "runs": runs, "lines": results[0][2]}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--morvane", default=os.path.join(HERE, "..", "build", "native", "bin", "morvane-check"))
    parser.add_argument("--corpus", default=os.path.join(HERE, "corpus", "misspellings.txt"))
    parser.add_argument("--runs", type=int, default=21, help="runs of morvane-check (aspell: a fifth, hunspell: 1)")
    args = parser.parse_args()

    with open(args.corpus, "rb") as f:
        text = f.read()
    words = sum(1 for line in text.splitlines() if line.strip())

    with tempfile.TemporaryDirectory() as folder:
        personal = os.path.join(folder, "personal-words")  # empty: nobody's own list counts
        programs = [("Morvane", [args.morvane, "-a", "-p", personal], args.runs)]
        if shutil.which("aspell"):
            programs.append(("aspell", ["aspell", "-a", "-d", "en_US", "-p", personal], max(1, args.runs // 5)))
        else:
            print("pipe_comparison: aspell is not installed; skipped", file=sys.stderr)
        if shutil.which("hunspell"):
            programs.append(("hunspell", ["hunspell", "-a", "-d", "en_US", "-p", personal], 1))
        else:
            print("pipe_comparison: hunspell is not installed; skipped", file=sys.stderr)

        print(f"{words} words, one a line, from {os.path.relpath(args.corpus)}")
        results = []
        for name, command, runs in programs:
            results.append(measure(name, command, args.corpus, runs))
            r = results[-1]
            print(f"  {name:9} median of {r['runs']:2} runs: {r['wall'] * 1e3:10.1f} ms wall, "
                  f"{r['cpu'] * 1e3:10.1f} ms processor; per word {r['wall'] / words * 1e6:9.2f} us wall, "
                  f"{r['cpu'] / words * 1e6:9.2f} us processor", flush=True)

    base = results[0]
    for r in results[1:]:
        print(f"  Morvane is {r['wall'] / base['wall']:8.0f} times faster per word than {r['name']} (wall), "
              f"{r['cpu'] / max(base['cpu'], 1e-9):8.0f} times (processor)")


if __name__ == "__main__":
    main()
