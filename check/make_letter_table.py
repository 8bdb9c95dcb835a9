"""Writes the table of the code points that words are made of: Unicode's letters (L*) and
combining marks (M*), as ascending ranges, from this Python's own Unicode database.

    python3 make_letter_table.py OUTPUT.inc
"""
import sys
import unicodedata


def letter_ranges():
    """The (first, last) pairs of the runs of letters and marks, ascending."""
    ranges = []
    for code in range(sys.maxunicode + 1):
        if unicodedata.category(chr(code))[0] not in "LM":
            continue
        if ranges and ranges[-1][1] == code - 1:
            ranges[-1][1] = code
        else:
            ranges.append([code, code])
    return ranges


def main(output):
    lines = [
        "// Made by check/make_letter_table.py from Unicode %s; do not edit." % unicodedata.unidata_version,
        "// The letters and combining marks, as ascending ranges of code points {first, last}.",
    ]
    lines += ["{0x%04X, 0x%04X}," % (first, last) for first, last in letter_ranges()]
    with open(output, "w", encoding="ascii", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
