"""Writes the general category of every code point, two letters each (Lu, Mn, Zs, ...) in
code point order, as Python's Unicode database gives it: what the letter table is checked
against, one code point at a time.

    python3 write_unicode_categories.py OUTPUT
"""
import sys
import unicodedata

with open(sys.argv[1], "w", encoding="ascii", newline="") as out:
    out.write("".join(unicodedata.category(chr(code)) for code in range(sys.maxunicode + 1)))
