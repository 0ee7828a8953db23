#!/usr/bin/env python3
"""Writes sysdata/STREETWORDS.TXT, the street words the "Similar names and addresses" duplicate
check unifies, from the tables "Standardize Addresses" uses, so that both agree:

    python3 scripts/make-streetwords.py > sysdata/STREETWORDS.TXT

Every form of sysdata/SUFFIXES.TXT becomes its standard abbreviation, every designator of
sysdata/UNITS.TXT its abbreviation; the eight directionals and the ordinals FIRST to TENTH
follow. Lines whose word already is its short form are left out. Standard library only.
"""
import os
import sys

SYSDATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "sysdata")

DIRECTIONALS = [("NORTH", "N"), ("SOUTH", "S"), ("EAST", "E"), ("WEST", "W"), ("NORTHEAST", "NE"),
                ("NORTHWEST", "NW"), ("SOUTHEAST", "SE"), ("SOUTHWEST", "SW")]
ORDINALS = [("FIRST", "1ST"), ("SECOND", "2ND"), ("THIRD", "3RD"), ("FOURTH", "4TH"), ("FIFTH", "5TH"),
            ("SIXTH", "6TH"), ("SEVENTH", "7TH"), ("EIGHTH", "8TH"), ("NINTH", "9TH"), ("TENTH", "10TH")]


def rows(name):
    with open(os.path.join(SYSDATA, name), encoding="utf-8") as source:
        for line in source:
            words = line.split("#", 1)[0].split()
            if words:
                yield words


def main():
    pairs = []
    for words in rows("SUFFIXES.TXT"):
        standard = words[1]
        pairs += [(form, standard) for form in [words[0]] + words[2:]]
    for words in rows("UNITS.TXT"):
        pairs += [(form, words[1]) for form in [words[0]] + words[3:]]
    pairs += DIRECTIONALS + ORDINALS
    out = sys.stdout
    out.write("# Street words unified by the \"Similar names and addresses\" duplicate check: each line holds a\n"
              "# word as people write it and the one short form every spelling of it is compared as. Letter\n"
              "# case, accents and punctuation are folded before the lookup, so \"St.\" and \"st\" need no line.\n"
              "# Made by scripts/make-streetwords.py from SUFFIXES.TXT (street suffixes) and UNITS.TXT\n"
              "# (secondary unit designators), with the directionals and ordinals; make it again after\n"
              "# changing either.\n")
    seen = set()
    for word, short in pairs:
        if word != short and word not in seen:
            seen.add(word)
            out.write(f"{word} {short}\n")


if __name__ == "__main__":
    main()
