#!/usr/bin/env python3
"""Fills the translations of a .ts file from tab-separated lines.

    scripts/fill-translations.py translations/trivelon_en.ts TEXTS.tsv...

Each line is CONTEXT, TAB, SOURCE, TAB, TRANSLATION ("\\n" stands for a line
break in both). A message of the .ts file whose context and source a line
gives gets that translation and is marked finished; the others stay as they
are. Prints the messages still without a translation.
"""
import sys
import xml.etree.ElementTree as ET


def main():
    ts_path, tables = sys.argv[1], sys.argv[2:]
    given = {}
    for table in tables:
        with open(table, encoding="utf-8") as lines:
            for line in lines:
                line = line.rstrip("\n")
                if not line:
                    continue
                context, source, translation = line.split("\t")
                unescape = lambda text: text.replace("\\n", "\n")
                given[(context, unescape(source))] = unescape(translation)
    tree = ET.parse(ts_path)
    missing = 0
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            if (name, source) in given:
                translation.text = given[(name, source)]
                translation.attrib.pop("type", None)
            elif translation.get("type") == "unfinished" or not translation.text:
                missing += 1
                print(f"untranslated: {name}: {source!r}")
    tree.write(ts_path, encoding="utf-8", xml_declaration=True)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
