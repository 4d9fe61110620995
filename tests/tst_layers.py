#!/usr/bin/env python3
"""Every project header is included by its folder, and only from the layers that may use it.

All sources see the source root, so the compiler no longer keeps core/ from including a
window: this test does.
"""

import os
import re
import unittest

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
# What each folder may include besides itself.
MAY_USE = {
    "core": set(),
    "platform": set(),
    "toolkit": {"core", "platform"},
    "ui": {"toolkit", "platform", "core"},
    "app": {"ui", "toolkit", "platform", "core"},
}


def project_includes(folder):
    """(file, included path) for every quoted include of the folder's sources."""
    top = os.path.join(SOURCE_DIR, folder)
    for directory, _, names in os.walk(top):
        for name in sorted(names):
            if name.endswith((".cpp", ".h", ".c")):
                path = os.path.join(directory, name)
                with open(path, encoding="utf-8") as stream:
                    for included in INCLUDE.findall(stream.read()):
                        yield os.path.relpath(path, SOURCE_DIR), included


class Layers(unittest.TestCase):
    def test_each_include_names_an_existing_header_by_its_folder(self):
        for folder in list(MAY_USE) + ["tools", "tests", "bench"]:
            for source, included in project_includes(folder):
                # uic's and moc's output lives in the build tree.
                if re.fullmatch(r"ui_\w+\.h|\w+\.moc", included):
                    continue
                with self.subTest(source=source, include=included):
                    self.assertTrue(os.path.isfile(os.path.join(SOURCE_DIR, included)))

    def test_each_layer_includes_only_the_layers_below_it(self):
        for folder, allowed in MAY_USE.items():
            for source, included in project_includes(folder):
                layer = included.split("/", 1)[0]
                if layer not in MAY_USE:
                    continue
                with self.subTest(source=source, include=included):
                    self.assertIn(layer, allowed | {folder})


if __name__ == "__main__":
    unittest.main()
