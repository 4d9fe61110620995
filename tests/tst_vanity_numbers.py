#!/usr/bin/env python3
"""Tests of the published vanity numbers and of bench/vanity-check, which measures against them."""

import importlib.machinery
import importlib.util
import os
import re
import subprocess
import sys
import tempfile
import unittest

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TABLE = os.path.join(SOURCE_DIR, "tests", "data", "vanity-numbers.tsv")
CHECKER = os.path.join(SOURCE_DIR, "bench", "vanity-check")


def load_checker():
    loader = importlib.machinery.SourceFileLoader("vanity_check", CHECKER)
    module_spec = importlib.util.spec_from_loader("vanity_check", loader)
    module = importlib.util.module_from_spec(module_spec)
    loader.exec_module(module)
    return module


checker = load_checker()

# ITU E.161, as printed on every North American keypad; copied here so that the table is
# checked against the keypad, not against a table of the code under test.
KEYPAD = {letter: digit for digit, letters in
          {"2": "ABC", "3": "DEF", "4": "GHI", "5": "JKL",
           "6": "MNO", "7": "PQRS", "8": "TUV", "9": "WXYZ"}.items()
          for letter in letters}


def dialled(vanity):
    return "".join(KEYPAD.get(char, char) for char in re.sub(r"[^0-9A-Z]", "", vanity.upper()))


def digits(number):
    return re.sub(r"\D", "", number)


class VanityTable(unittest.TestCase):
    def setUp(self):
        self.rows = checker.read_table(TABLE)

    def test_enough_rows_to_measure(self):
        self.assertGreaterEqual(len(self.rows), 60)

    def test_letters_dial_the_number(self):
        for number, published, _source in self.rows:
            with self.subTest(published=published):
                # A published form may leave out the country code its number is typed with.
                self.assertIn(digits(number), (dialled(published), "1" + dialled(published)))
                self.assertRegex(published, "[A-Za-z]")

    def test_number_is_typed_with_dashes(self):
        for number, _published, _source in self.rows:
            with self.subTest(number=number):
                self.assertRegex(number, r"^[0-9]+(-[0-9]+)+$")

    def test_no_number_twice(self):
        # 1-800-356-9377 and 800-356-9377 are the same number.
        seen = {}
        for number, published, _source in self.rows:
            key = re.sub(r"^1(?=\d{10}$)", "", digits(number))
            with self.subTest(number=number):
                self.assertNotIn(key, seen, f"{published} repeats {seen.get(key)}")
            seen[key] = published

    def test_every_row_names_its_source(self):
        for _number, published, source in self.rows:
            with self.subTest(published=published):
                self.assertRegex(source, r"^https?://\S+\.\S+$")


class TableReader(unittest.TestCase):
    def read(self, text):
        with tempfile.NamedTemporaryFile("w", suffix=".tsv", delete=False,
                                         encoding="utf-8") as table:
            table.write(text)
        self.addCleanup(os.remove, table.name)
        return checker.read_table(table.name)

    def test_bad_tables_are_refused(self):
        for name, text in [
                ("no header", "1-800-356-9377\t1-800-FLOWERS\thttp://a.example\n"),
                ("comment after the header",
                 "number\tpublished\tsource\n# late\n"),
                ("row without a source", "number\tpublished\tsource\n1-800-356-9377\tX\n")]:
            with self.subTest(name), self.assertRaises(ValueError):
                self.read(text)


class Matching(unittest.TestCase):
    def test_same_vanity(self):
        for published, printed, same in [
                ("1-800-GOT-JUNK", "1800GOTJUNK", True),
                ("1 (800) THE CARD", "1-800-THE-CARD", True),
                ("1-800-PetMeds", "1-800-PETMEDS", True),
                ("(800) 4-FED-AID", "1-800-4-FED-AID", True),
                ("1-800-4-FED-AID", "800-4-FED-AID", True),
                # Letters a form leaves out are not formatting.
                ("1-800-FLOWERS", "FLOWERS", False),
                ("1-800-ELM-YEPS", "1-800-FLOWERS", False),
                ("877-222-VETS", "1-UPS-CAB-VETS", False)]:
            with self.subTest(published=published, printed=printed):
                self.assertEqual(checker.same_vanity(published, printed), same)


class Measurement(unittest.TestCase):
    """vanity-check run against a numra-find stand-in that answers from a fixed list."""

    STAND_IN = """#!{python}
import sys
answers = {{
    "1-800-356-9377": ["1 8 0 0 ELM YEPS\\t1-800-ELM-YEPS", "1 8 0 0 FLOWERS\\t1-800-FLOWERS"],
    "1-877-222-8387": ["1 8 7 7 2 2 2 VETS\\t1-877-222-VETS"],
}}
print("\\n".join(answers.get(sys.argv[-1], [])))
sys.exit(0 if sys.argv[-1] in answers else 1)
"""

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)
        self.finder = os.path.join(self.folder.name, "numra-find")
        with open(self.finder, "w", encoding="utf-8") as stand_in:
            stand_in.write(self.STAND_IN.format(python=sys.executable))
        os.chmod(self.finder, 0o755)
        self.table = os.path.join(self.folder.name, "table.tsv")
        with open(self.table, "w", encoding="utf-8") as table:
            table.write("number\tpublished\tsource\n"
                        "1-800-356-9377\t1-800-FLOWERS\thttp://a.example\n"
                        "1-877-222-8387\t877-222-VETS\thttp://b.example\n"
                        "1-800-468-5865\t1-800-GOT-JUNK\thttp://c.example\n")

    def run_checker(self, *arguments):
        return subprocess.run([sys.executable, CHECKER, "--data", self.table, *arguments],
                              capture_output=True, text=True, check=False)

    def test_ranks_and_shares(self):
        result = self.run_checker("--numra-find", self.finder)
        self.assertEqual(result.returncode, 0, result.stderr)
        lines = result.stdout.splitlines()
        self.assertEqual([line.split()[0] for line in lines[:3]], ["2", "1", "-"])
        self.assertEqual(lines[-2],
                         "first: 1/3 (33%)  top 3: 2/3 (67%)  top 10: 2/3 (67%)")
        # GOT-JUNK is among none of the stand-in's phrases: no ranking could offer it.
        self.assertEqual(lines[-1], "of the 2 whose published form is among all the ranked "
                                    "phrases: first: 1/2 (50%)  top 3: 2/2 (100%)")

    def test_missing_numra_find_is_an_error(self):
        result = self.run_checker("--numra-find", os.path.join(self.folder.name, "absent"))
        self.assertEqual(result.returncode, 2)
        self.assertIn("no numra-find", result.stderr)


if __name__ == "__main__":
    unittest.main()
