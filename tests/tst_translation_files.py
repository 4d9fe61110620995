#!/usr/bin/env python3
"""Every translation file is complete and keeps what its texts need from the English.

lrelease leaves an unfinished entry out, so the window shows English there without a word;
a lost %1 drops the value it stands for, a lost & the key that reaches the control, and a lost
leading space runs a status into the text before it.
"""

import glob
import os
import re
import unittest
import xml.etree.ElementTree as ElementTree

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FILES = sorted(glob.glob(os.path.join(SOURCE_DIR, "translations", "numra_*.ts")))
PLACEHOLDER = re.compile(r"%\d")


def marks(text):
    """The number of accelerator marks: an & before a letter, && being an ampersand and
    "A & B" a plain one."""
    return len(re.findall(r"&(?=\w)", text.replace("&&", "")))


def messages(path):
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message.findtext("source"), message.find("translation")


class TranslationFiles(unittest.TestCase):
    def test_every_language_has_a_file(self):
        names = [os.path.basename(path) for path in FILES]
        self.assertEqual(names, [f"numra_{code}.ts" for code in
                                 ("de", "el", "es", "fr", "it", "pl", "ru", "uk")])

    def test_every_text_translated_as_its_source_needs(self):
        for path in FILES:
            for context, source, translation in messages(path):
                where = f"{os.path.basename(path)} {context} {source!r}"
                with self.subTest(where):
                    self.assertIsNone(translation.get("type"), "unfinished or obsolete")
                    text = translation.text or ""
                    self.assertTrue(text, "empty")
                    self.assertEqual(sorted(PLACEHOLDER.findall(text)),
                                     sorted(PLACEHOLDER.findall(source)))
                    self.assertEqual(marks(text), marks(source))
                    self.assertEqual(text.startswith(" "), source.startswith(" "))
                    self.assertEqual(text.endswith(" "), source.endswith(" "))


if __name__ == "__main__":
    unittest.main()
