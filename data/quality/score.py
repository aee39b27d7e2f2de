#!/usr/bin/env python3
"""Scores a built main dictionary against the judged sample of thesaurus meanings.

The sample (thesaurus-sample.tsv) holds one row per meaning the thesaurus gave a headword:
HEADWORD<TAB>MEANING<TAB>right|wrong|unsure[<TAB>NOTE]. The dictionary is either a UTF-8 source
(HEADWORD@MEANING;MEANING;) or the output of `zadrovec-cli dump`, whose first line is the
header and where a headword may take several records; all lines of a headword count together.

Prints how many of the wrong meanings the dictionary still lists and how many of the right ones
it keeps, and the error rate of the sample itself. Standard library only.
"""

import argparse
import signal
import sys
import unicodedata
from collections import defaultdict

JUDGEMENTS = ("right", "wrong", "unsure")
SHORT_HEADWORD_LETTERS = range(2, 7)  # the words a crossword asks for most
MANY_MEANINGS = 10  # "over ten meanings": the headwords pivoting hurt most


class UsageError(Exception):
    """A bad argument or a malformed sample line: exit status 2."""


def norm(text):
    return unicodedata.normalize("NFC", text).strip()


def headword_key(headword):
    # Headwords are stored in capitals; the sample's may be written either way.
    return norm(headword).casefold()


def read_text_lines(path, what):
    try:
        if path == "-":
            data = sys.stdin.buffer.read()
        else:
            with open(path, "rb") as f:
                data = f.read()
    except OSError as e:
        raise UsageError(f"cannot read {what} {path}: {e.strerror}")
    try:
        return data.decode("utf-8").splitlines()
    except UnicodeDecodeError:
        raise UsageError(f"{what} {path} is not UTF-8 text (pass a source or the output of"
                         " `zadrovec-cli dump`, not the .dat file)")


def read_sample(path):
    """Returns the rows (line number, headword, meaning, judgement) in file order."""
    rows = []
    for number, line in enumerate(read_text_lines(path, "sample"), start=1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        where = f"{path}:{number}"
        if len(fields) not in (3, 4):
            raise UsageError(f"{where}: expected HEADWORD<TAB>MEANING<TAB>JUDGEMENT[<TAB>NOTE],"
                             f" found {len(fields)} field(s)")
        headword, meaning, judgement = norm(fields[0]), norm(fields[1]), fields[2].strip()
        if not headword or not meaning:
            raise UsageError(f"{where}: empty headword or meaning")
        if judgement not in JUDGEMENTS:
            raise UsageError(f"{where}: judgement {judgement!r} is none of"
                             f" {', '.join(JUDGEMENTS)}")
        rows.append((number, headword, meaning, judgement))
    if not rows:
        raise UsageError(f"{path}: the sample holds no rows")
    return rows


def read_dictionary(path):
    """Returns {headword key: set of meanings} over every line or record of each headword."""
    meanings = defaultdict(set)
    lines = read_text_lines(path, "dictionary")
    skipped = 0
    for index, line in enumerate(lines):
        if not line.strip() or line.startswith("#"):
            continue
        if "@" not in line:
            # The dump's first line is the dictionary's header; anything else is noted.
            if index != 0:
                skipped += 1
            continue
        headword, _, rest = line.partition("@")
        entry = meanings[headword_key(headword)]
        for meaning in rest.split(";"):
            if meaning.strip():
                entry.add(norm(meaning))
    if skipped:
        print(f"score: {path}: skipped {skipped} line(s) without '@'", file=sys.stderr)
    if not meanings:
        raise UsageError(f"{path}: the dictionary holds no headwords")
    return meanings


def percent(part, whole):
    return f"{100.0 * part / whole:.1f}%" if whole else "n/a"


def letters(headword):
    return sum(ch.isalpha() for ch in headword)


def is_short_word(headword):
    # One word of letters only: the shape a crossword answer has.
    return headword.isalpha() and letters(headword) in SHORT_HEADWORD_LETTERS


def error_rate_line(label, rows):
    counts = {j: sum(1 for row in rows if row[3] == j) for j in JUDGEMENTS}
    decided = counts["right"] + counts["wrong"]
    headwords = len({headword_key(row[1]) for row in rows})
    return (f"  {label}: {percent(counts['wrong'], decided)}"
            f" ({counts['wrong']} wrong of {decided} judged right or wrong;"
            f" {headwords} headwords, {counts['unsure']} unsure left out)")


def report(rows, dictionary, path, show_list):
    by_headword = defaultdict(list)
    for row in rows:
        by_headword[headword_key(row[1])].append(row)

    def listed(row):
        return row[2] in dictionary.get(headword_key(row[1]), ())

    wrong = [row for row in rows if row[3] == "wrong"]
    right = [row for row in rows if row[3] == "right"]
    unsure = [row for row in rows if row[3] == "unsure"]
    wrong_listed = [row for row in wrong if listed(row)]
    right_lost = [row for row in right if not listed(row)]
    missing = [key for key in by_headword if key not in dictionary]
    with_wrong_listed = {headword_key(row[1]) for row in wrong_listed}

    print(f"dictionary: {path}")
    print(f"headwords: {len(by_headword)} ({len(missing)} not in the dictionary)")
    print(f"meanings judged: {len(rows)} (right {len(right)}, wrong {len(wrong)},"
          f" unsure {len(unsure)})")
    print(f"wrong meanings still listed: {len(wrong_listed)} of {len(wrong)}"
          f" ({percent(len(wrong_listed), len(wrong))})")
    print(f"right meanings kept: {len(right) - len(right_lost)} of {len(right)}"
          f" ({percent(len(right) - len(right_lost), len(right))})")
    print(f"headwords with a wrong meaning listed: {len(with_wrong_listed)} of"
          f" {len(by_headword)} ({percent(len(with_wrong_listed), len(by_headword))})")

    print("error rate of the sample (wrong / judged right or wrong):")
    print(error_rate_line("all headwords", rows))
    print(error_rate_line(f"headwords of {SHORT_HEADWORD_LETTERS.start}-"
                          f"{SHORT_HEADWORD_LETTERS.stop - 1} letters",
                          [row for row in rows if is_short_word(row[1])]))
    print(error_rate_line(f"headwords with over {MANY_MEANINGS} meanings",
                          [row for group in by_headword.values()
                           if len(group) > MANY_MEANINGS for row in group]))

    if show_list:
        print(f"\nwrong meanings still listed ({len(wrong_listed)}):")
        for row in wrong_listed:
            print(f"  {row[1]}: {row[2]}")
        print(f"\nright meanings lost ({len(right_lost)}):")
        for row in right_lost:
            print(f"  {row[1]}: {row[2]}")


def main(argv):
    parser = argparse.ArgumentParser(
        description="Scores a built main dictionary against the judged thesaurus sample.",
        epilog="DICTIONARY is a UTF-8 source (HEADWORD@MEANING;MEANING;) or the output of"
               " `zadrovec-cli dump`; - reads it from standard input. Exit status: 0 success;"
               " 2 bad arguments, an unreadable file or a malformed sample line.")
    parser.add_argument("sample", help="the judged sample (thesaurus-sample.tsv)")
    parser.add_argument("dictionary", help="the dictionary as built")
    parser.add_argument("--list", action="store_true",
                        help="also list each wrong meaning still listed and each right one lost")
    args = parser.parse_args(argv)  # exits with status 2 on bad arguments
    if hasattr(signal, "SIGPIPE"):
        signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # `| head` ends the output quietly
    sys.stdout.reconfigure(encoding="utf-8")  # like zadrovec-cli, whatever the locale
    try:
        rows = read_sample(args.sample)
        dictionary = read_dictionary(args.dictionary)
    except UsageError as e:
        print(f"score: {e}", file=sys.stderr)
        return 2
    report(rows, dictionary, args.dictionary, args.list)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
