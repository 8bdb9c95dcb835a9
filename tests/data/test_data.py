#!/usr/bin/env python3
"""The dictionary generator (what it keeps, the order it writes, the faults it refuses) and
the files that ship beside the program, as committed in data/."""

import os
import subprocess
import sys
import tempfile
import unittest

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(REPO, "tools"))
import make_dictionary  # noqa: E402


class Generator(unittest.TestCase):
    def generate(self, source_text, min_entries, status):
        """Runs the generator, expecting the exit status; its error output and the file it left."""
        with tempfile.TemporaryDirectory() as scratch:
            source, output = os.path.join(scratch, "words"), os.path.join(scratch, "out", "Morvane.dictionary")
            if source_text is not None:
                with open(source, "w", encoding="utf-8") as f:
                    f.write(source_text)
            run = subprocess.run([sys.executable, os.path.join(REPO, "tools", "make_dictionary.py"), "--source",
                                  source, "--output", output, "--min-entries", str(min_entries)],
                                 capture_output=True, text=True)
            self.assertEqual(run.returncode, status, run.stderr)
            return run.stderr, open(output, "rb").read() if os.path.exists(output) else None

    def test_keeps_only_words_of_the_alphabet_sorted_by_lower_case_with_cr_lf_between(self):
        _, data = self.generate("zoo\nAsunción\nco-op\naa\nA\na's\nApple\napple\nAPPLE\n"
                                "two words\n\nhel1o\nB\nb\nápple\na\nzoo\n", 1, 0)
        # Case-equal entries stand together in code order; a prefix sorts first; ' before a.
        self.assertEqual(data, b"A\r\na\r\na's\r\naa\r\nAPPLE\r\nApple\r\napple\r\nB\r\nb\r\nco-op\r\nzoo")

    def test_fails_with_its_reason_and_leaves_no_file(self):
        for source_text, min_entries, reason in [("cat\ndog\n", 3, "2 entries, fewer than the 3 required"),
                                                 (None, 1, "No such file")]:
            stderr, data = self.generate(source_text, min_entries, 1)
            self.assertIn(reason, stderr)
            self.assertIsNone(data)

    def test_verification_accepts_the_format_and_refuses_each_fault_by_name(self):
        self.assertEqual(make_dictionary.verify(b"A\r\na\r\na's\r\naa\r\nab-c\r\nAb-c\r\nb", 7), 7)
        faults = [(b"", "empty"), (b"apple\r\nbanana\r\n", "ends in CR LF"),
                  (b"apple\r\n\r\nbanana", "entry 2 is empty"), (b"apple\nbanana", "0x0A"),
                  (b"apple\rbanana", "0x0D"), (b"cat \r\ndog", "0x20"), (b"caf\xe9", "0xE9"),
                  (b"banana\r\napple", "entry 2 b'apple' sorts before"),
                  (b"aa\r\na's", "sorts before"),  # ' (39) comes before a (97)
                  (b"ab\r\na", "sorts before"),    # a prefix comes first
                  (b"b\r\nA", "sorts before")]     # case is ignored
        for data, reason in faults:
            with self.assertRaises(make_dictionary.DictionaryFault, msg=data) as caught:
                make_dictionary.verify(data, 1)
            self.assertIn(reason, str(caught.exception))
        with self.assertRaises(make_dictionary.DictionaryFault):
            make_dictionary.verify(b"a\r\nb", 3)


class ShippedData(unittest.TestCase):
    def test_dictionary_settings_and_read_me(self):
        def shipped(name):
            with open(os.path.join(REPO, "data", name), "rb") as f:
                return f.read()
        self.assertGreaterEqual(make_dictionary.verify(shipped("Morvane.dictionary"), 100000), 100000)
        self.assertEqual(shipped("Settings.ini"), b"[Options]\r\nMaxSuggestions=10\r\n")
        text = shipped("ReadMe.txt")
        self.assertTrue(text.endswith(b"\r\n"))
        self.assertEqual(text.count(b"\n"), text.count(b"\r\n"), "a line ends in LF alone")
        self.assertEqual(text.count(b"\r"), text.count(b"\r\n"), "a lone CR")
        text.decode("ascii")


if __name__ == "__main__":
    unittest.main()
