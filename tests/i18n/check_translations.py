#!/usr/bin/env python3
"""Checks the translations under translations/ against the interface's sources.

- Every file is up to date: collecting the texts afresh (scripts/update-translations into a
  temporary folder) gives the same messages as the committed files, no more and no fewer.
- Every message of every language is finished: a translation for each text and each plural form,
  nothing left unfinished, and no English left where a translator should have written.
- Placeholders survive: the %1, %2, ... of the source appear in the translation, its %n in every
  plural form (Arabic may say none, one and two in words), and no placeholder is invented.

Exits non-zero with one line per fault."""

import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
FOLDER = ROOT / "translations"
PLACEHOLDER = re.compile(r"%L?(\d+)")
# A text whose words are all short or capitalised keys ("Ctrl Alt B", "20-20-20") may stay as it is.
WORDY = re.compile(r"\b[a-z]{4,}\b")


def messages(path):
    """(context, source, comment) -> (numerus, translation element) for every message of a file."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            found[key] = (message.get("numerus") == "yes", message.find("translation"))
    return found


def forms(translation, numerus):
    if numerus:
        return [form.text or "" for form in translation.iter("numerusform")]
    return [translation.text or ""]


def check_language(path, fresh, faults):
    language = path.stem.split("_", 1)[1]
    committed = messages(path)
    for key in fresh.keys() - committed.keys():
        faults.append(f"{path.name}: missing {key[0]}: {key[1]!r}")
    for key in committed.keys() - fresh.keys():
        faults.append(f"{path.name}: stale {key[0]}: {key[1]!r} (run make translations)")
    for (context, source, _), (numerus, translation) in committed.items():
        where = f"{path.name}: {context}: {source!r}"
        kind = translation.get("type") if translation is not None else "missing"
        if kind in ("unfinished", "vanished", "obsolete", "missing"):
            faults.append(f"{where}: {kind}")
            continue
        texts = forms(translation, numerus)
        wanted = set(PLACEHOLDER.findall(source))
        for index, text in enumerate(texts):
            if not text.strip():
                faults.append(f"{where}: an empty translation")
            elif set(PLACEHOLDER.findall(text)) != wanted:
                faults.append(f"{where}: placeholders {sorted(PLACEHOLDER.findall(text))} for {sorted(wanted)}")
            elif numerus and "%n" in source and "%n" not in text and not (language == "ar" and index < 3):
                faults.append(f"{where}: a plural form without %n: {text!r}")
            elif language != "en" and text == source and WORDY.search(source):
                faults.append(f"{where}: left in English")


def main():
    with tempfile.TemporaryDirectory() as scratch:
        subprocess.run([str(ROOT / "scripts/update-translations"), scratch], check=True)
        generated = {p.name: messages(p) for p in Path(scratch).glob("*.ts")}
    languages = [line.strip() for line in (FOLDER / "languages").read_text().splitlines() if line.strip()]
    faults = []
    for language in ["en", *languages]:
        path = FOLDER / f"tarnwick_{language}.ts"
        if not path.exists():
            faults.append(f"{path.name}: no such file (run make translations)")
            continue
        check_language(path, generated[path.name], faults)
    for fault in faults:
        print(fault)
    print(f"{len(languages)} languages, {len(generated.get('tarnwick_de.ts', {}))} texts, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
