#!/usr/bin/env python3
"""Tests of tools/make-dictionary: keypads, folding, word rules and order."""

import importlib.machinery
import importlib.util
import os
import subprocess
import sys
import tempfile
import unittest

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GENERATOR = os.path.join(SOURCE_DIR, "tools", "make-dictionary")


def load_generator():
    loader = importlib.machinery.SourceFileLoader("make_dictionary", GENERATOR)
    module_spec = importlib.util.spec_from_loader("make_dictionary", loader)
    module = importlib.util.module_from_spec(module_spec)
    loader.exec_module(module)
    return module


generator = load_generator()

# The keypads as their sources print them, copied here by hand so that the
# generator's tables are checked against the source, not against themselves.
ITU_E161 = ["ABC", "DEF", "GHI", "JKL", "MNO", "PQRS", "TUV", "WXYZ"]
# AOSP Dialer, DialpadCharMappings.java.
RUSSIAN = ["АБВГ", "ДЕЁЖЗ", "ИЙКЛ", "МНОП", "РСТУ", "ФХЦЧ", "ШЩЪЫ", "ЬЭЮЯ"]
UKRAINIAN = ["АБВГҐ", "ДЕЄЖЗ", "ИІЇЙКЛ", "МНОП", "РСТУ", "ФХЦЧ", "ШЩ", "ЬЮЯ"]
# LineageOS Dialer, GreekSmartDialMap.java.
GREEK = ["ΑΒΓ", "ΔΕΖ", "ΗΘΙ", "ΚΛΜ", "ΝΞΟ", "ΠΡΣ", "ΤΥΦ", "ΧΨΩ"]

# Each language's letters beyond its keypad, and the keypad letters they
# are dialled as.
FOLDED = {
    "en": ({}, ITU_E161),
    "de": ({"Ä": "A", "Ö": "O", "Ü": "U", "ä": "A", "ö": "O", "ü": "U",
            "ß": "SS"}, ITU_E161),
    "fr": (dict(zip("ÀÂÆÇÉÈÊËÎÏÔŒÙÛÜŸàâæçéèêëîïôœùûüÿ",
                    ["A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "O",
                     "OE", "U", "U", "U", "Y"] * 2)), ITU_E161),
    "es": (dict(zip("ÁÉÍÑÓÚÜáéíñóúü", "AEINOUU" * 2)), ITU_E161),
    "it": (dict(zip("ÀÈÉÌÍÎÒÓÙÚàèéìíîòóùú", "AEEIIIOOUU" * 2)), ITU_E161),
    "pl": (dict(zip("ĄĆĘŁŃÓŚŹŻąćęłńóśźż", "ACELNOSZZ" * 2)), ITU_E161),
    "uk": ({}, UKRAINIAN),
    "ru": ({}, RUSSIAN),
    "el": (dict(zip("ΆΈΉΊΌΎΏΪΫάέήίόύώϊϋΐΰς", "ΑΕΗΙΟΥΩΙΥΑΕΗΙΟΥΩΙΥΙΥΣ")),
           GREEK),
}


def expected_table(code):
    folded, groups = FOLDED[code]
    digit = {}
    for number, letters in enumerate(groups, start=2):
        for letter in letters:
            digit[letter] = digit[letter.lower()] = str(number)
    for letter, base in folded.items():
        digit[letter] = "".join(digit[c] for c in base)
    return digit


def run_generator(*args, check=True):
    return subprocess.run([sys.executable, GENERATOR, *args],
                          capture_output=True, check=check)


class Folding(unittest.TestCase):
    def test_table_matches_cited_keypad(self):
        for code in FOLDED:
            with self.subTest(language=code):
                alphabet = generator.Alphabet(generator.LANGUAGES[code])
                self.assertEqual(alphabet.digits, expected_table(code))

    def test_keypad_option_prints_the_table(self):
        out = run_generator("--language", "uk", "--keypad").stdout
        table = dict(line.split("\t") for line in out.decode().splitlines())
        self.assertEqual(table, expected_table("uk"))

    def test_word_digits(self):
        rows = [
            ("en: plain capitals", "en", "FLOWERS", "3569377"),
            ("de: sharp s is SS, two digits", "de", "Straße", "7872773"),
            ("de: umlaut on its base letter", "de", "Äpfel", "27335"),
            ("fr: cedilla on C", "fr", "français", "37262247"),
            ("fr: ligature oe is two letters", "fr", "cœur", "26387"),
            ("es: tilde n on 6", "es", "niño", "6466"),
            ("it: grave accent", "it", "università", "8648377482"),
            ("pl: stroked l on 5", "pl", "Łódź", "5639"),
            ("pl: ogonek", "pl", "są", "72"),
            ("ru: yo on 3 with ye", "ru", "ёлка", "3442"),
            ("ru: hard sign on 8", "ru", "объём", "52835"),
            ("ru: plain word", "ru", "привет", "564236"),
            ("uk: apostrophe adds no digit", "uk", "п'ять", "5969"),
            ("uk: ghe with upturn on 2", "uk", "ґанок", "22554"),
            ("uk: yi on 4", "uk", "їжак", "4324"),
            ("el: tonos dropped", "el", "Ελλάδα", "355232"),
            ("el: final sigma on 7", "el", "λόγος", "56267"),
            ("el: dialytika with tonos", "el", "ΐ", "4"),
        ]
        for name, code, word, digits in rows:
            with self.subTest(name):
                alphabet = generator.Alphabet(generator.LANGUAGES[code])
                self.assertTrue(alphabet.is_word(word))
                self.assertEqual(alphabet.keypad_digits(word), digits)

    def test_every_affix_is_dialled_like_its_letters(self):
        for code, language in generator.LANGUAGES.items():
            with self.subTest(language=code):
                dictionary = generator.Dictionary(language)
                table = expected_table(code)
                records = dictionary.affix_records()
                for digits, affix, word_class in records:
                    self.assertEqual(digits, "".join(
                        table[c] for c in affix if c != "-"), affix)
                    self.assertNotEqual(affix.startswith("-"),
                                        affix.endswith("-"), affix)


class Generated(unittest.TestCase):
    """Runs the generator on small lists written here."""

    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.addCleanup(self.dir.cleanup)

    def write(self, name, text, encoding="utf-8"):
        path = os.path.join(self.dir.name, name)
        with open(path, "w", encoding=encoding) as stream:
            stream.write(text)
        return path

    def generate(self, language, words, *args):
        path = self.write("words", "\n".join(words) + "\n")
        out = run_generator("--language", language, "--words", path,
                            *(args or ["--no-common"])).stdout
        return out.decode("utf-8").splitlines()

    @staticmethod
    def words_of(lines):
        """The word records, without affixes and digits."""
        words = []
        for line in lines:
            digits, word, _ = line.split(",")
            if digits != word and not word.startswith("-") \
                    and not word.endswith("-"):
                words.append(line)
        return words

    def test_records(self):
        rows = [
            ("en: capitalised word is a name", "en", ["Bill"],
             ["2455,BILL,A"]),
            ("en: common word outranks the name", "en", ["Bill", "bill"],
             ["2455,BILL,N"]),
            ("en: possessive and accents dropped", "en",
             ["cat's", "café", "cat"], ["228,CAT,N"]),
            ("en: only A, I, O as single letters", "en", ["a", "b", "I"],
             ["2,A,N", "4,I,N"]),
            ("de: capital is no name", "de", ["Straße"],
             ["7872773,Straße,N"]),
            ("de: noun and verb kept once, small letter first", "de",
             ["Essen", "essen"], ["37736,essen,N"]),
            ("fr: capital marks a name", "fr", ["Français"],
             ["37262247,Français,A"]),
            ("fr: hyphenated word dropped", "fr", ["arc-en-ciel", "arc"],
             ["272,arc,N"]),
            ("es: single letters only where words", "es", ["y", "b"],
             ["9,y,N"]),
            ("pl: capital single letter dropped", "pl", ["A", "w"],
             ["9,w,N"]),
            ("uk: apostrophe kept in the word", "uk", ["п'ять"],
             ["5969,п'ять,N"]),
            ("uk: leading apostrophe dropped", "uk", ["'ять"], []),
            ("uk: Russian letter is not Ukrainian", "uk", ["объём"], []),
            ("ru: name", "ru", ["Москва"], ["556422,Москва,A"]),
            ("el: name with tonos", "el", ["Αθήνα"], ["24462,Αθήνα,A"]),
            ("el: Latin letters dropped", "el", ["abc"], []),
        ]
        for name, code, words, expected in rows:
            with self.subTest(name):
                self.assertEqual(self.words_of(self.generate(code, words)),
                                 expected)

    def test_order_by_usefulness(self):
        common = self.write("common", "zoo\nbe\nbob\nBob\nAnn\n")
        lines = self.generate(
            "en", ["Ann", "apple", "be", "Bob", "bob", "car", "zoo", "Zed",
                   "ant"], "--common", common)
        self.assertEqual(self.words_of(lines), [
            # common: ordinary, longer first, then alphabetical; names last
            "262,BOB,N", "966,ZOO,N", "23,BE,N", "266,ANN,A",
            # the rest, in the same way
            "27753,APPLE,N", "268,ANT,N", "227,CAR,N", "933,ZED,A"])

    def test_uncommon_words_after_the_last_tier(self):
        # The middle list adds no word: CAT is in the third tier, and DOGS,
        # in none, still comes after it although it is longer.
        tiers = [self.write(name, text) for name, text in
                 [("first", "zoo\n"), ("second", "zoo\n"), ("third", "cat\n")]]
        args = [arg for path in tiers for arg in ("--common", path)]
        lines = self.generate("en", ["dogs", "cat", "zoo"], *args)
        self.assertEqual(self.words_of(lines),
                         ["966,ZOO,N", "228,CAT,N", "3647,DOGS,N"])

    def test_affixes_then_digits_close_the_file(self):
        lines = self.generate("de", ["Zug"])
        language = generator.LANGUAGES["de"]
        affixes = len(language.prefixes.split()) + len(language.suffixes.split())
        self.assertEqual(lines[0], "984,Zug,N")
        self.assertEqual(lines[1:1 + affixes],
                         ["%s,%s,N" % (d, a) for d, a, _ in
                          generator.Dictionary(language).affix_records()])
        self.assertEqual(lines[-10:], ["%d,%d,N" % (d, d) for d in range(10)])
        self.assertTrue(lines[1].endswith("-,N"))
        self.assertTrue(lines[affixes].split(",")[1].startswith("-"))

    def test_alphabetical_ignores_case_and_accents(self):
        lines = self.generate("fr", ["zèbre", "Été", "étage", "abri"])
        self.assertEqual([line.split(",")[1] for line in self.words_of(lines)],
                         ["abri", "étage", "Été", "zèbre"])

    def test_alphabetical_in_the_order_of_the_alphabet(self):
        rows = [
            ("uk: ghe with upturn after ghe, ie after e", "uk",
             ["єнот", "ґанок", "дім", "гора"],
             ["гора", "ґанок", "дім", "єнот"]),
            ("uk: i, yi and short i after y, before ka", "uk",
             ["кіт", "йод", "їжак", "іній", "иній"],
             ["иній", "іній", "їжак", "йод", "кіт"]),
            ("uk: apostrophe does not count", "uk", ["п'ять", "пала"],
             ["пала", "п'ять"]),
            ("ru: yo sorts as ie", "ru", ["ель", "ёж", "еж"],
             ["еж", "ёж", "ель"]),
        ]
        for name, code, words, expected in rows:
            with self.subTest(name):
                self.assertEqual(
                    [line.split(",")[1] for line in
                     self.words_of(self.generate(code, words))], expected)

    def test_same_input_gives_same_bytes(self):
        words = self.write("words", "Ελλάδα\nλόγος\nΑθήνα\n")
        out = [run_generator("--language", "el", "--words", words).stdout
               for _ in range(2)]
        self.assertEqual(out[0], out[1])
        self.assertTrue(out[0].endswith(b"9,9,N\n"))
        out[0].decode("utf-8")

    def test_hunspell_list_in_its_own_encoding(self):
        self.write("el.aff", "SET ISO8859-7\n", encoding="ascii")
        dic = self.write("el.dic", "2\nλόγος/AB\nΑθήνα\n",
                         encoding="iso8859-7")
        out = run_generator("--language", "el", "--words", dic).stdout
        self.assertEqual(self.words_of(out.decode("utf-8").splitlines()),
                         ["24462,Αθήνα,A", "56267,λόγος,N"])

    def test_missing_common_list_names_its_package(self):
        words = self.write("words", "cat\n")
        result = run_generator("--words", words, "--common",
                               os.path.join(self.dir.name, "none"),
                               check=False)
        self.assertEqual(result.returncode, 2)
        self.assertIn(b"common-word list", result.stderr)

    def test_min_lines_repeats_words_before_the_fixed_records(self):
        words = self.write("words", "cat\ndog\n")
        lines = run_generator("--words", words, "--no-common", "--min-lines",
                              "200").stdout.decode().splitlines()
        self.assertGreaterEqual(len(lines), 200)
        self.assertEqual(lines[:4], ["228,CAT,N", "364,DOG,N",
                                     "228,CAT,N", "364,DOG,N"])
        self.assertEqual(lines[-1], "9,9,N")


# A word of each real list (its digits are checked in test_word_digits);
# tested where the list is installed.
REAL_WORDS = [
    ("de", "Straße"),
    ("fr", "français"),
    ("es", "niño"),
    ("it", "università"),
    ("pl", "Łódź"),
    ("uk", "п'ять"),
    ("ru", "привет"),
    ("el", "Ελλάδα"),
]


class RealLists(unittest.TestCase):
    def test_word_of_each_installed_list(self):
        for code, word in REAL_WORDS:
            language = generator.LANGUAGES[code]
            with self.subTest(language=code, word=word):
                if not os.path.exists(language.words):
                    self.skipTest("%s not installed" % language.package)
                found = [w for w in generator.read_list(language.words)
                         if w == word]
                self.assertEqual(found, [word])
                dictionary = generator.Dictionary(language)
                self.assertTrue(dictionary.alphabet.is_word(word))

    def test_shipped_dictionary_is_reproduced(self):
        language = generator.LANGUAGES["en"]
        for path in [language.words] + [p for tier in language.common for p in tier]:
            if not os.path.exists(path):
                self.skipTest("%s not installed" % path)
        shipped = os.path.join(SOURCE_DIR, "resources",
                               "Numra Dictionary.txt")
        with open(shipped, "rb") as stream:
            self.assertEqual(run_generator().stdout, stream.read())


if __name__ == "__main__":
    unittest.main(verbosity=2)
