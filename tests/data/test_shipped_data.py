#!/usr/bin/env python3
"""The files that ship beside the program, as committed in data/."""

import os
import sys
import unittest

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DATA = os.path.join(REPO, "data")
sys.path.insert(0, os.path.join(REPO, "tools"))
import make_dictionary  # noqa: E402


def read(name):
    with open(os.path.join(DATA, name), "rb") as f:
        return f.read()


class ShippedData(unittest.TestCase):
    def test_dictionary_is_in_format_with_at_least_100000_words(self):
        self.assertGreaterEqual(make_dictionary.verify(read("Morvane.dictionary"), 100000), 100000)

    def test_settings_hold_max_suggestions_10(self):
        self.assertEqual(read("Settings.ini"), b"[Options]\r\nMaxSuggestions=10\r\n")

    def test_read_me_is_ascii_with_cr_lf_line_ends(self):
        text = read("ReadMe.txt")
        self.assertTrue(text.endswith(b"\r\n"))
        self.assertEqual(text.count(b"\n"), text.count(b"\r\n"), "a line ends in LF alone")
        self.assertEqual(text.count(b"\r"), text.count(b"\r\n"), "a lone CR")
        text.decode("ascii")


if __name__ == "__main__":
    unittest.main()
