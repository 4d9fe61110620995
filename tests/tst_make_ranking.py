#!/usr/bin/env python3
"""Tests of tools/make-ranking: costs, pairs, flags and how a dictionary is read."""

import importlib.machinery
import os
import subprocess
import sys
import tempfile
import types
import unittest

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RANKER = os.path.join(SOURCE_DIR, "tools", "make-ranking")


# log10 probabilities; log2(10) = 3.3219 turns them into bits.
MODEL = """\
\\data\\
ngram 1=9
ngram 2=5

\\1-grams:
-2.0000\tthe\t-0.5
-2.5000\tcat
-6.0000\tzebra
-4.0000\tshop
-4.0000\tpet
-4.0000\tnow
-5.0000\tjohn
-5.0000\tblvd
-5.0000\tact
-5.0000\tasap
-4.0000\tcafé
-3.0000\tabef
-3.0000\ta(b)c(d)e

\\2-grams:
-1.0000\tpet\tshop
-3.8000\tcat\tnow
-5.0000\tthe\tcat
-1.0000\tqx\tshop
-1.0000\tpet\tzebra

\\end\\
"""

DICTIONARY = [
    "8463,ZEBRA,N", "228,CAT (a pet),N", "738,PET,N", "7467,SHOP,N", "669,NOW,N",
    "843,THE,N", "5646,JOHN,A", "9675,ZORK,A", "2583,BLVD,N", "228,ACT,N", "2727,ASAP,N",
    "79,QX,N", "46,GO,N", "6,O,N", "2239673,BADWORDS,N", "223967,BADWORD,N", "9999,QWERTY,N",
    "73-,RE-,N", "464,-ING,N", "0,0,N",
]

# An abbreviation that is an ordinary word (ACT) is none; one that is a word only in SCOWL's
# larger lists (ASAP at 70) still is.
SCOWL_LISTS = {
    "english-abbreviations.10": "blvd\nact\n",
    "american-abbreviations.70": "asap\n",
    "english-words.10": "act\ncat\n",
    "english-words.70": "asap\n",
}


class Ranking(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)
        self.model = self.write("model.arpa", MODEL)
        self.offensive = self.write("bad.txt", "badword\ntwo words\n")
        self.scowl = os.path.join(self.dir.name, "scowl")
        os.mkdir(self.scowl)
        for name, text in SCOWL_LISTS.items():
            self.write(os.path.join("scowl", name), text)

    def write(self, name, text, encoding="utf-8"):
        path = os.path.join(self.dir.name, name)
        with open(path, "wb") as stream:
            stream.write(text if isinstance(text, bytes) else text.encode(encoding))
        return path

    def rank(self, dictionary_bytes, *args, check=True):
        dictionary = self.write("words.txt", dictionary_bytes)
        model = [] if "--counts" in args else ["--model", self.model]
        result = subprocess.run(
            [sys.executable, RANKER, *model, "--offensive", self.offensive,
             "--abbreviations", self.scowl, *args, dictionary],
            capture_output=True, check=check)
        if check:
            with open(os.path.join(self.dir.name, "words.rank"), "rb") as stream:
                return stream.read()
        return result

    def entries(self, data):
        lines = data.decode("utf-8").splitlines()
        words = {f[1]: (f[2], f[3]) for f in (line.split("\t") for line in lines)
                 if f[0] == "W"}
        pairs = [tuple(line.split("\t")[1:]) for line in lines if line.startswith("P\t")]
        return words, pairs

    def test_word_entries(self):
        words, _ = self.entries(self.rank("\n".join(DICTIONARY) + "\n"))
        for word, cost, flags in [
            ("THE", "12.0", "f"),          # -log2 P = 6.6, raised to the floor of 10
            ("CAT", "12.0", "-"),          # its note removed
            ("ZEBRA", "21.9", "-"),        # 19.93 + 2
            ("JOHN", "19.1", "-"),         # a name the model knows: 16.61 + 2 + 0.5
            ("ZORK", "37.0", "-"),         # a name it does not know: 34 + 3
            ("BLVD", "19.6", "-"),         # an abbreviation: 16.61 + 2 + 1
            ("ACT", "18.6", "-"),          # an ordinary word too
            ("ASAP", "19.6", "-"),
            ("QX", "34.0", "x"),
            ("O", "34.0", "x"),
            ("BADWORD", "34.0", "o"),
            ("BADWORDS", "34.0", "o"),     # its plural
        ]:
            with self.subTest(word=word):
                self.assertEqual(words.get(word), (cost, flags))
        for word in ["GO", "QWERTY", "RE-", "-ING", "0", "CAT (a pet)"]:
            with self.subTest(absent=word):
                self.assertNotIn(word, words)

    def test_pairs(self):
        _, pairs = self.entries(self.rank("\n".join(DICTIONARY) + "\n"))
        # PET SHOP: -1 - (-4) = 3 in log10, 9.97 bits. CAT NOW gains 0.66 bits and THE CAT
        # loses: neither is written; QX is never suggested; PET ZEBRA comes first, as ZEBRA
        # comes before SHOP in the dictionary.
        self.assertEqual(pairs, [("PET", "ZEBRA", "16.6"), ("PET", "SHOP", "10.0")])

    def test_pairs_under_a_larger_least_gain(self):
        # As for the Sphinx model: only gains of 3 bits, except after a function word, which
        # is charged as lone unless it pairs.
        loader = importlib.machinery.SourceFileLoader("make_ranking", RANKER)
        ranker = types.ModuleType(loader.name)
        ranker.__file__ = RANKER
        loader.exec_module(ranker)
        model = ranker.Model()
        model.pairs = {("the", "cat"): 1.4, ("pet", "shop"): 2.5, ("pet", "zebra"): 3.0,
                       ("the", "now"): 0.5}
        words = [("THE", False), ("CAT", False), ("PET", False), ("SHOP", False),
                 ("ZEBRA", False), ("NOW", False)]
        lines = ranker.Ranking(ranker.LANGUAGES["en"], words, model, set(), set(),
                               min_gain=3.0).lines()
        self.assertEqual([line for line in lines if line.startswith("P")],
                         ["P\tTHE\tCAT\t1.4\n", "P\tPET\tZEBRA\t3.0\n"])

    def test_parenthesized_group_as_numra_removes_it(self):
        # One group goes with the groups in it; two side by side stay.
        data = "2233,AB(CD)EF,N\n23,A(B(C)D)E,N\n2233,A(B)C(D)E,N\n".encode()
        words, _ = self.entries(self.rank(data))
        self.assertEqual(words, {"ABEF": ("12.0", "-"), "AE": ("34.0", "x"),
                                 "A(B)C(D)E": ("12.0", "-")})

    def test_windows_1252_line(self):
        data = "3376,CAF\u00c9,N\n228,CAT,N\n".encode("cp1252")
        words, _ = self.entries(self.rank(data))
        self.assertEqual(words.get("CAF\u00c9"), ("15.3", "-"))

    def test_header_then_comments(self):
        lines = self.rank("228,CAT,N\n").decode("utf-8").splitlines()
        self.assertEqual(lines[0], "numra-rank 1")
        comments = [line for line in lines[1:] if line.startswith("#")]
        self.assertEqual(lines[1:1 + len(comments)], comments)
        self.assertTrue(any("model.arpa" in line for line in comments))
        self.assertTrue(any("bad.txt" in line for line in comments))

    def test_same_input_gives_same_bytes(self):
        text = "\n".join(reversed(DICTIONARY)) + "\n"
        self.assertEqual(self.rank(text), self.rank(text))

    def test_counts_model(self):
        # 1,000 counts in all: SHOP is 1/8 (3 bits, floored to 10); PET SHOP is 100 of PET's
        # 250: log2(0.4) + 3 = 1.68 bits.
        counts = self.write("xx.lm", "\\data\\\nngram 1=3\nngram 2=1\n\n\\1-grams:\n1 <unk>\n"
                            "250 pet\n125 Shop\n625 zebra\n\n\\2-grams:\n100 pet shop\n"
                            "\n\\end\\\n")
        data = self.rank("738,pet,N\n7467,shop,N\n", "--language", "de", "--counts", counts)
        words, pairs = self.entries(data)
        self.assertEqual(words, {"pet": ("12.0", "-"), "shop": ("12.0", "-")})
        self.assertEqual(pairs, [("pet", "shop", "1.7")])

    def test_fallback_counts_for_words_the_model_lacks(self):
        # ZORK: 1/8 of the counts, 3 bits, floored to 10, + 2, + 0.5 as a name now known.
        counts = self.write("en.lm", "\\data\\\nngram 1=2\n\n\\1-grams:\n125 ZORK\n875 cat\n"
                            "\n\\end\\\n")
        words, _ = self.entries(self.rank("\n".join(DICTIONARY) + "\n", "--fallback-counts", counts))
        self.assertEqual(words.get("ZORK"), ("12.5", "-"))
        self.assertEqual(words.get("CAT"), ("12.0", "-"))  # the model's own word keeps its cost

    def test_language_without_counts(self):
        dictionary = self.write("words.txt", "228,CAT,N\n")
        result = subprocess.run([sys.executable, RANKER, "--language", "uk", dictionary],
                                capture_output=True)
        self.assertEqual(result.returncode, 1)
        self.assertIn(b"no ranking file", result.stderr)
        self.assertFalse(os.path.exists(os.path.join(self.dir.name, "words.rank")))
        packages = subprocess.run([sys.executable, RANKER, "--language", "uk", "--packages"],
                                  capture_output=True, check=True)
        self.assertEqual(packages.stdout, b"")


    def test_ranking_beside_the_dictionary(self):
        for dictionary, ranking in [
            ("Numra Dictionary.txt", "Numra Dictionary.rank"),
            ("words", "words.rank"),
            ("my.words/list", "my.words/list.rank"),
        ]:
            with self.subTest(dictionary=dictionary):
                path = os.path.join(self.dir.name, dictionary)
                os.makedirs(os.path.dirname(path), exist_ok=True)
                self.write(path, "228,CAT,N\n")
                subprocess.run([sys.executable, RANKER, "--model", self.model, "--offensive",
                                self.offensive, "--abbreviations", "none", path],
                               capture_output=True, check=True)
                self.assertTrue(os.path.exists(os.path.join(self.dir.name, ranking)))


if __name__ == "__main__":
    unittest.main(verbosity=2)
