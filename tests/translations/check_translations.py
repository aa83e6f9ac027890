#!/usr/bin/env python3
"""Fails when the English translation is not complete for the sources as they are.

Runs lupdate over the sources into a copy of kalvor_en.ts, keeping what no source uses any
more: a text added to the sources shows up as unfinished, a translation whose text is gone as
vanished or obsolete. Either, or an empty translation, fails the test.

    check_translations.py LUPDATE SOURCE_DIR
"""
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path


def faults(ts_file):
    found = []
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type", "")
            texts = [translation.text or ""] + [form.text or "" for form in translation.iter("numerusform")]
            if kind in ("unfinished", "vanished", "obsolete") or not any(texts):
                found.append(f"{kind or 'empty'}: {name}: {message.findtext('source')!r}")
    return found


def main():
    lupdate, source_dir = sys.argv[1], Path(sys.argv[2])
    with tempfile.TemporaryDirectory() as work:
        copy = Path(work) / "kalvor_en.ts"
        shutil.copyfile(source_dir / "translations" / "kalvor_en.ts", copy)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-extensions", "cpp,h",
                        str(source_dir / "src"), "-ts", str(copy)], check=True)
        found = faults(copy)
    for fault in found:
        print(fault)
    if found:
        print(f"{len(found)} entries of translations/kalvor_en.ts need work: "
              "run 'ninja kalvor_lupdate' and translate them.")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
