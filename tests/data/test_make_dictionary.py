#!/usr/bin/env python3
"""The dictionary generator: what it keeps, the order it writes, and the faults it refuses."""

import os
import subprocess
import sys
import tempfile
import unittest

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SCRIPT = os.path.join(REPO, "tools", "make_dictionary.py")
sys.path.insert(0, os.path.join(REPO, "tools"))
import make_dictionary  # noqa: E402


class GeneratedFile(unittest.TestCase):
    def generate(self, source_text, min_entries=1):
        with tempfile.TemporaryDirectory() as scratch:
            source = os.path.join(scratch, "words")
            output = os.path.join(scratch, "out", "Morvane.dictionary")
            with open(source, "w", encoding="utf-8") as f:
                f.write(source_text)
            run = subprocess.run([sys.executable, SCRIPT, "--source", source, "--output", output,
                                  "--min-entries", str(min_entries)], capture_output=True, text=True)
            data = open(output, "rb").read() if os.path.exists(output) else None
            return run, data

    def test_keeps_only_words_of_the_alphabet_sorted_by_lower_case_with_cr_lf_between(self):
        run, data = self.generate("zoo\nAsunción\nco-op\naa\nA\na's\nApple\napple\nAPPLE\n"
                                  "two words\n\nhel1o\nB\nb\nápple\na\nzoo\n")
        self.assertEqual(run.returncode, 0, run.stderr)
        # Case-equal entries stand together in code order; a prefix sorts first; ' before a.
        self.assertEqual(data, b"A\r\na\r\na's\r\naa\r\nAPPLE\r\nApple\r\napple\r\nB\r\nb\r\nco-op\r\nzoo")

    def test_too_few_words_fail_and_leave_no_file(self):
        run, data = self.generate("cat\ndog\n", min_entries=3)
        self.assertEqual(run.returncode, 1)
        self.assertIn("2 entries, fewer than the 3 required", run.stderr)
        self.assertIsNone(data)

    def test_a_missing_source_fails_with_its_reason(self):
        run = subprocess.run([sys.executable, SCRIPT, "--source", "/nonexistent/words",
                              "--output", "/nonexistent/out"], capture_output=True, text=True)
        self.assertEqual(run.returncode, 1)
        self.assertIn("No such file", run.stderr)


class Verification(unittest.TestCase):
    def assertRefused(self, data, reason):
        with self.assertRaises(make_dictionary.DictionaryFault) as caught:
            make_dictionary.verify(data, 1)
        self.assertIn(reason, str(caught.exception))

    def test_accepts_the_format(self):
        self.assertEqual(make_dictionary.verify(b"A\r\na\r\na's\r\naa\r\nab-c\r\nAb-c\r\nb", 7), 7)

    def test_refuses_each_fault_by_name(self):
        self.assertRefused(b"", "empty")
        self.assertRefused(b"apple\r\nbanana\r\n", "ends in CR LF")
        self.assertRefused(b"apple\r\n\r\nbanana", "entry 2 is empty")
        self.assertRefused(b"apple\nbanana", "0x0A")
        self.assertRefused(b"apple\rbanana", "0x0D")
        self.assertRefused(b"cat \r\ndog", "0x20")
        self.assertRefused(b"caf\xe9", "0xE9")
        self.assertRefused(b"banana\r\napple", "entry 2 b'apple' sorts before")
        self.assertRefused(b"aa\r\na's", "sorts before")      # ' (39) comes before a (97)
        self.assertRefused(b"ab\r\na", "sorts before")        # a prefix comes first
        self.assertRefused(b"b\r\nA", "sorts before")         # case is ignored

    def test_refuses_too_few_entries(self):
        with self.assertRaises(make_dictionary.DictionaryFault):
            make_dictionary.verify(b"a\r\nb", 3)


if __name__ == "__main__":
    unittest.main()
