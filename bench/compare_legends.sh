#!/usr/bin/env bash
# Scores the solver on crossword legends: for each pair of bench/legends.tsv (LEGEND<TAB>ANSWER,
# written for this project from general knowledge) it asks `CLI solve --clue ... --length N
# --json` for answers of the answer's length and finds the answer's rank in the list.
#
#   bench/compare_legends.sh [CLI] [MODE]
#
# CLI   zadrovec-cli to run (default: build/zadrovec-cli of this checkout); it reads the
#       dictionaries beside itself.
# MODE  legend (default): the clue is the legend exactly as printed ("chem. zn. stříbra").
#       words: what a user had to do when --clue took one pattern without spaces or digits:
#       for each word of the legend with 3 or more letters (punctuation stripped, words holding
#       a digit skipped) the clue is "*word*" in lower case; the best rank over these tries
#       counts. A legend with no such word gets no try.
#
# The length N is the answer's squares: its letters, one square each (spaces, hyphens and dots
# are no squares; CH is two squares, as solve counts without --ch). The answer is found in the
# "answers" array by its text compared case-insensitively, without diacritics and without
# spaces, hyphens and dots. A try that exits with status 2 (usage error), any other failing
# status, output that is no JSON, or a program that cannot be started (after a few retries, as
# while a build replaces it) counts as not found.
#
# Output: one line per legend in a log file (its path is printed): rank ("-" when not found),
# squares, answer, legend, and the clue of the best try (words mode) or the reason it failed.
# On stdout a summary: legends, found anywhere in the list, found in the first 10, median rank
# of the found ones, the count of tries and of usage errors. The tries run one after another;
# the exit status is 0 unless the arguments or the files are wrong.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$repo/build/zadrovec-cli}
mode=${2:-legend}
legends=${LEGENDS:-$repo/bench/legends.tsv}

case $mode in
legend | words) ;;
*)
    echo "usage: $0 [CLI] [legend|words]" >&2
    exit 2
    ;;
esac
if [[ ! -x $cli ]]; then
    echo "$0: $cli is not an executable program" >&2
    exit 2
fi
if [[ ! -r $legends ]]; then
    echo "$0: cannot read $legends" >&2
    exit 2
fi
command -v python3 >/dev/null || {
    echo "$0: python3 is needed" >&2
    exit 2
}

log=$(mktemp --suffix=.log "${TMPDIR:-/tmp}/compare_legends.$mode.XXXXXX")

python3 - "$cli" "$mode" "$legends" "$log" <<'PY'
import json
import statistics
import subprocess
import sys
import time
import unicodedata

cli, mode, legends_path, log_path = sys.argv[1:5]


def fold(text):
    """Capitals without diacritics, spaces, hyphens and dots."""
    decomposed = unicodedata.normalize("NFD", text)
    bare = "".join(c for c in decomposed if not unicodedata.combining(c))
    return "".join(c for c in bare.upper() if c not in " -.\u00a0")


def squares(answer):
    # Every letter is one square; CH is C and H, two squares (solve without --ch).
    return sum(1 for c in answer if c.isalpha())


def legend_words(legend):
    words = []
    for raw in legend.replace("-", " ").replace("/", " ").split():
        if any(c.isdigit() for c in raw):
            continue
        word = "".join(c for c in raw if c.isalpha()).lower()
        if len(word) >= 3 and word not in words:
            words.append(word)
    return words


tries = usage_errors = failures = 0


def rank_of(clue, length, answer):
    """(rank or None, note) of answer among the answers solve gives for clue."""
    global tries, usage_errors, failures
    tries += 1
    for attempt in range(5):
        try:
            run = subprocess.run(
                [cli, "solve", "--clue", clue, "--length", str(length), "--json"],
                stdin=subprocess.DEVNULL, capture_output=True, timeout=30)
            break
        except subprocess.TimeoutExpired:
            failures += 1
            return None, "timeout"
        except OSError as error:  # the program being replaced by a build right now
            if attempt == 4:
                failures += 1
                return None, "cannot run: %s" % error.strerror
            time.sleep(1)
    if run.returncode == 2:
        usage_errors += 1
        return None, "usage error"
    if run.returncode != 0:
        failures += 1
        return None, "status %d" % run.returncode
    try:
        answers = json.loads(run.stdout.decode("utf-8"))["answers"]
    except (ValueError, KeyError, TypeError):
        failures += 1
        return None, "no JSON"
    wanted = fold(answer)
    for i, entry in enumerate(answers, 1):
        if fold(entry.get("text", "")) == wanted:
            return i, "of %d" % len(answers)
    return None, "not among %d" % len(answers)


pairs = []
with open(legends_path, encoding="utf-8") as f:
    for number, line in enumerate(f, 1):
        line = line.rstrip("\n").rstrip("\r")
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 2 or not fields[0].strip() or not fields[1].strip():
            sys.exit("%s:%d: not LEGEND<TAB>ANSWER" % (legends_path, number))
        pairs.append((fields[0].strip(), fields[1].strip()))

start = time.monotonic()
ranks = []
with open(log_path, "w", encoding="utf-8") as log:
    log.write("# mode %s, %s\n# rank\tsquares\tanswer\tlegend\tnote\n" % (mode, cli))
    for legend, answer in pairs:
        length = squares(answer)
        best, note = None, ""
        if mode == "legend":
            best, note = rank_of(legend, length, answer)
        else:
            notes = []
            for word in legend_words(legend):
                clue = "*%s*" % word
                rank, why = rank_of(clue, length, answer)
                notes.append("%s %s" % (clue, rank if rank else why))
                if rank is not None and (best is None or rank < best):
                    best = rank
            note = "; ".join(notes) if notes else "no word of 3 letters"
        ranks.append(best)
        log.write("%s\t%d\t%s\t%s\t%s\n" % (best if best else "-", length, answer, legend, note))
elapsed = time.monotonic() - start

total = len(ranks)
found = [r for r in ranks if r is not None]
top10 = [r for r in found if r <= 10]


def share(n):
    return "%d of %d (%.1f %%)" % (n, total, 100.0 * n / total if total else 0.0)


print("mode:              %s" % mode)
print("legends:           %d" % total)
print("found in the list: %s" % share(len(found)))
print("in the first 10:   %s" % share(len(top10)))
print("median rank:       %s" % (("%g (of the %d found)" % (statistics.median(found), len(found)))
                                 if found else "-"))
print("tries:             %d, usage errors %d, other failures %d, %.1f s"
      % (tries, usage_errors, failures, elapsed))
print("log:               %s" % log_path)
PY
