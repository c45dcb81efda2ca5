#!/usr/bin/env python3
"""Brings the translation sources (translations/*.ts) in line with the English string table.

Every string id of src/core/string_table_data.cpp gets one message in each catalog, in id order,
with the English text as its source and the id as its disambiguating comment. A translation
already there is kept; when the English text of its id changed, it is kept but marked
unfinished so a translator looks at it again. A new id gets an empty, unfinished translation.
Ids that left the table leave the catalogs.

  scripts/update-translations.py          rewrite the catalogs
  scripts/update-translations.py --check  only report (exit 1) when a catalog is out of date

Edit the translations with Qt Linguist (linguist) or any text editor; the build compiles them
with lrelease.
"""
import os
import re
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TABLE = os.path.join(ROOT, "src", "core", "string_table_data.cpp")
FOLDER = os.path.join(ROOT, "translations")
CONTEXT = "Velmora"
# Catalog module name -> the language code written in the catalog.
CATALOGS = {"langspavl": "es", "langporVL": "pt_BR", "langkorvl": "ko"}

_ENTRY = re.compile(r'\{\s*(\d+)\s*,\s*"((?:[^"\\]|\\.)*)"\s*\}')
_ESCAPES = {"n": "\n", "t": "\t", '"': '"', "\\": "\\", "'": "'"}


def _unescape(text):
    out, i = [], 0
    while i < len(text):
        c = text[i]
        if c == "\\" and i + 1 < len(text):
            out.append(_ESCAPES.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def english_table(path=TABLE):
    """The English texts by id, in id order."""
    with open(path, encoding="utf-8") as f:
        source = f.read()
    table = {int(m.group(1)): _unescape(m.group(2)) for m in _ENTRY.finditer(source)}
    return dict(sorted(table.items()))


def read_catalog(path):
    """id -> (source, translation, finished) of a catalog; {} when it does not exist."""
    if not os.path.exists(path):
        return {}
    messages = {}
    for message in ET.parse(path).getroot().iter("message"):
        comment = message.findtext("comment") or ""
        if not comment.isdigit():
            continue
        node = message.find("translation")
        text = (node.text or "") if node is not None else ""
        finished = node is None or node.get("type") not in ("unfinished", "obsolete", "vanished")
        messages[int(comment)] = (message.findtext("source") or "", text, finished)
    return messages


def render_catalog(language, english, messages):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             f'<TS version="2.1" language="{language}" sourcelanguage="en">', "<context>",
             f"    <name>{CONTEXT}</name>"]
    for sid, source in english.items():
        old_source, text, finished = messages.get(sid, (source, "", False))
        if old_source != source:
            finished = False
        state = "" if finished and text else ' type="unfinished"'
        lines += ["    <message>", f"        <source>{escape(source)}</source>",
                  f"        <comment>{sid}</comment>",
                  f"        <translation{state}>{escape(text)}</translation>", "    </message>"]
    lines += ["</context>", "</TS>", ""]
    return "\n".join(lines)


def main(argv):
    check = "--check" in argv
    english = english_table()
    stale = []
    for module, language in CATALOGS.items():
        path = os.path.join(FOLDER, module + ".ts")
        messages = read_catalog(path)
        text = render_catalog(language, english, messages)
        current = open(path, encoding="utf-8").read() if os.path.exists(path) else ""
        if text == current:
            continue
        stale.append(module)
        if not check:
            os.makedirs(FOLDER, exist_ok=True)
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
        untranslated = [sid for sid in english if not messages.get(sid, ("", "", False))[1]]
        if untranslated:
            print(f"{module}: {len(untranslated)} ids without a translation: "
                  + " ".join(str(s) for s in untranslated[:20]) + (" ..." if len(untranslated) > 20 else ""))
    if check and stale:
        print("out of date: " + ", ".join(stale) + " (run scripts/update-translations.py)")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
