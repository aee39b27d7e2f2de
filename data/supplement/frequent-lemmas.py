#!/usr/bin/env python3
"""The most frequent Czech lemmas, the words the definitions files cover.

    python3 data/supplement/frequent-lemmas.py build/data [COUNT]

Reads the build's word-frequency list (cetnosti.txt, most frequent first) and word forms by lemma
(tvary.txt, "lemma<TAB>forms"), and prints the lemmas in the order of their most frequent form,
one a line, names (capitalised lemmas) and one-letter lemmas left out; COUNT of them (6000 when
not given). A form of several lemmas counts for each of them.
"""
import collections
import pathlib
import sys


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    folder = pathlib.Path(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) == 3 else 6000
    lemmas_of = collections.defaultdict(set)
    with open(folder / "tvary.txt", encoding="utf-8") as forms:
        for line in forms:
            lemma, _, rest = line.rstrip("\n").partition("\t")
            if not lemma or not lemma[0].islower():
                continue
            for form in [lemma, *rest.split()]:
                lemmas_of[form].add(lemma)
    seen = set()
    ordered = []
    with open(folder / "cetnosti.txt", encoding="utf-8") as words:
        for word in words:
            for lemma in sorted(lemmas_of.get(word.strip(), ())):
                if lemma not in seen and len(lemma) >= 2:
                    seen.add(lemma)
                    ordered.append(lemma)
    sys.stdout.writelines(lemma + "\n" for lemma in ordered[:count])


if __name__ == "__main__":
    main()
