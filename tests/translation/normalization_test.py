#!/usr/bin/env python3
"""Every translation the repository holds is in Unicode NFC, so that one word is one byte
sequence wherever the program compares, searches or draws it.

  normalization_test.py SOURCE_DIR
"""
import pathlib
import sys
import unicodedata

root = pathlib.Path(sys.argv[1])
files = [*root.glob("translations/**/*.json"), *root.glob("translations/*.ts"), *root.glob("translations/*.md"),
         *root.glob("data/hi/*.json"), *root.glob("data/ta/*.json")]
failures = []
for path in files:
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not unicodedata.is_normalized("NFC", line):
            failures.append(f"{path.relative_to(root)}:{number}: not in NFC: {line.strip()[:80]}")
print("\n".join(failures) or f"{len(files)} files in NFC")
sys.exit(1 if failures or not files else 0)
