#!/usr/bin/env python3
"""Makes Morvane.dictionary from a word list with one word per line (Debian's wamerican).

The file it writes holds only words made of the letters A-Z and a-z, the apostrophe and the
hyphen, the only characters a checked word can contain. It is Windows-1252 text with CR LF
between entries and none after the last (a trailing CR LF would add an empty entry), and the
entries ascend by their lower-cased form compared character code by character code, a text
that begins a longer one coming first. Entries equal but for case stand together, in the
order of their character codes; exact repeats are written once.

The dictionary is checked before it is written and again once read back; any fault ends the
script with status 1, and a faulty file is not left behind.

    tools/make_dictionary.py                                  # data/Morvane.dictionary
    tools/make_dictionary.py --source /usr/share/dict/american-english-insane \\
        --output build/bench-native/large.dictionary --min-entries 600000
    tools/make_dictionary.py --verify-only --output data/Morvane.dictionary
"""

import argparse
import os
import re
import sys
import tempfile

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_SOURCE = "/usr/share/dict/american-english"
DEFAULT_OUTPUT = os.path.join(REPO, "data", "Morvane.dictionary")
SEPARATOR = b"\r\n"
ALLOWED_WORD = re.compile(r"[A-Za-z'-]+")
ALLOWED_BYTES = frozenset(b"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ'-")


class DictionaryFault(Exception):
    pass


def lowered(word):
    # Only A-Z can occur, so ASCII lower-casing is the whole mapping.
    return word.translate(str.maketrans("ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz"))


def read_words(source):
    """The source's lines that are words of the allowed alphabet, without repeats."""
    with open(source, encoding="utf-8") as f:
        lines = f.read().splitlines()
    return sorted({line for line in lines if ALLOWED_WORD.fullmatch(line)},
                  key=lambda w: (lowered(w), w))


def encode(words):
    return SEPARATOR.join(w.encode("cp1252") for w in words)


def verify(data, min_entries):
    """Raises DictionaryFault unless data is a dictionary file in the format above."""
    if not data:
        raise DictionaryFault("the file is empty")
    if data.endswith(SEPARATOR):
        raise DictionaryFault("the file ends in CR LF, which would add an empty entry")
    entries = data.split(SEPARATOR)
    previous = None
    for number, entry in enumerate(entries, start=1):
        if not entry:
            raise DictionaryFault(f"entry {number} is empty")
        stray = set(entry) - ALLOWED_BYTES
        if stray:
            raise DictionaryFault(f"entry {number} {entry!r} holds bytes outside A-Z a-z ' -: "
                                  + ", ".join(f"0x{b:02X}" for b in sorted(stray)))
        key = lowered(entry.decode("cp1252"))
        if previous is not None and key < previous:
            raise DictionaryFault(f"entry {number} {entry!r} sorts before the entry above it")
        previous = key
    if len(entries) < min_entries:
        raise DictionaryFault(f"{len(entries)} entries, fewer than the {min_entries} required")
    return len(entries)


def write_atomically(path, data):
    directory = os.path.dirname(os.path.abspath(path))
    os.makedirs(directory, exist_ok=True)
    fd, temporary = tempfile.mkstemp(dir=directory, prefix=".dictionary-")
    try:
        with os.fdopen(fd, "wb") as f:
            f.write(data)
        os.chmod(temporary, 0o644)
        os.replace(temporary, path)
    except BaseException:
        os.unlink(temporary)
        raise


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--source", default=DEFAULT_SOURCE, help="word list, UTF-8, one word a line")
    parser.add_argument("--output", default=DEFAULT_OUTPUT, help="the dictionary file to write")
    parser.add_argument("--min-entries", type=int, default=100000,
                        help="fail when fewer entries remain (default 100000)")
    parser.add_argument("--verify-only", action="store_true",
                        help="only check the output file that is already there")
    args = parser.parse_args()

    try:
        if not args.verify_only:
            data = encode(read_words(args.source))
            verify(data, args.min_entries)
            write_atomically(args.output, data)
        with open(args.output, "rb") as f:
            written = f.read()
        try:
            count = verify(written, args.min_entries)
        except DictionaryFault:
            if not args.verify_only:
                os.unlink(args.output)
            raise
    except (OSError, DictionaryFault) as fault:
        print(f"make_dictionary: {args.output}: {fault}", file=sys.stderr)
        return 1
    print(f"make_dictionary: {args.output}: {count} entries, verified")
    return 0


if __name__ == "__main__":
    sys.exit(main())
