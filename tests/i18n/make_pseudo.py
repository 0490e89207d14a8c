#!/usr/bin/env python3
"""make_pseudo.py TEMPLATE.ts OUT.ts

Writes a pseudo-translation of every text in TEMPLATE.ts: the English source with its letters
accented and the text made 40 % longer, placeholders kept, so that the views' layouts can be
checked for room before any real translation arrives."""

import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTS = str.maketrans("aceinorsuyACEINORSUY", "åçéîñöŕšûýÅÇÉÎÑÖŔŠÛÝ")
TOKEN = re.compile(r"(%L?\d+|%n|<[^>]+>|&\w+;)")


def pseudo(source):
    pieces = TOKEN.split(source)
    text = "".join(p if TOKEN.fullmatch(p) else p.translate(ACCENTS) for p in pieces)
    letters = sum(len(p) for p in pieces if not TOKEN.fullmatch(p))
    # Longer words, not one long tail: every word grows by 40 %, the longest words most of all.
    words = re.split(r"(\s+)", text)
    grown = []
    for word in words:
        if word.strip() and not TOKEN.fullmatch(word):
            extra = math.ceil(len(word) * 0.4)
            word = word + "ẍ" * extra
        grown.append(word)
    result = "".join(grown)
    return result if letters else source


def main():
    template, out = sys.argv[1], sys.argv[2]
    tree = ET.parse(template)
    root = tree.getroot()
    root.set("language", "en_US")
    for message in root.iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        for child in list(translation):
            translation.remove(child)
        translation.attrib.pop("type", None)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                form = ET.SubElement(translation, "numerusform")
                form.text = pseudo(source)
        else:
            translation.text = pseudo(source)
    tree.write(out, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()
