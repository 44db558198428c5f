#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Checks one language's translation file as its translator hands it in.

Usage: check_translation.py [--plural-only] LUPDATE TS_FILE SOURCE...
(--plural-only for English, whose file holds only the plural forms)

- Current: lupdate, run over the sources into a copy of the file, finds no
  text the file lacks and none it holds that the sources no longer have.
- Finished: no text is unfinished, obsolete or vanished.
- Whole: each translation (each plural form) keeps the source's place
  markers (%1, %2, ...) and its blanks and line breaks at either end, which
  the program's code puts sentences together by.
"""

import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

# The options the build's update_translations target runs lupdate with.
LUPDATE_OPTIONS = ["-locations", "none", "-no-ui-lines"]
MARKER = re.compile(r"%(\d)")


def messages(path, with_vanished):
    """(context, source, comment) -> message element, for every message."""
    found = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            kind = message.find("translation").get("type", "")
            if not with_vanished and kind in ("obsolete", "vanished"):
                continue
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            found[key] = message
    return found


def edges(text):
    """The blanks and line breaks at the start and at the end."""
    return re.match(r"\s*", text).group(0), re.search(r"\s*$", text).group(0)


def main():
    arguments = sys.argv[1:]
    options = list(LUPDATE_OPTIONS)
    if arguments[0] == "--plural-only":
        arguments.pop(0)
        options += ["-pluralonly", "-source-language", "en", "-target-language", "en"]
    lupdate, ts_file, sources = arguments[0], Path(arguments[1]), arguments[2:]
    faults = []
    with tempfile.TemporaryDirectory() as work:
        copy = Path(work) / ts_file.name
        shutil.copy(ts_file, copy)
        subprocess.run([lupdate, *options, *sources, "-ts", str(copy)], check=True, capture_output=True)
        current = messages(copy, with_vanished=False)
    held = messages(ts_file, with_vanished=False)
    for name, source, _ in sorted(current.keys() - held.keys()):
        faults.append(f"new in the sources, not in the file: {name}: {source!r}")
    for name, source, _ in sorted(held.keys() - current.keys()):
        faults.append(f"in the file, gone from the sources: {name}: {source!r}")
    if current.keys() != held.keys():
        faults.append("run: cmake --build build --target update_translations")

    for (name, source, _), message in messages(ts_file, with_vanished=True).items():
        translation = message.find("translation")
        kind = translation.get("type", "")
        if kind:
            faults.append(f"{kind}: {name}: {source!r}")
            continue
        forms = [form.text or "" for form in translation.iter("numerusform")] or [translation.text or ""]
        for form in forms:
            if set(MARKER.findall(form)) != set(MARKER.findall(source)):
                faults.append(f"place markers differ: {name}: {source!r} -> {form!r}")
            if edges(form) != edges(source):
                faults.append(f"blanks or line breaks at the ends differ: {name}: {source!r} -> {form!r}")

    for fault in faults:
        print(f"{ts_file.name}: {fault}")
    total = len(messages(ts_file, with_vanished=False))
    print(f"{ts_file.name}: {total} texts, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
