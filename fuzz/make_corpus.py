#!/usr/bin/env python3
"""Writes the small seed corpora of the fuzz targets into fuzz/corpus/<target>/.

Each seed follows its target's input layout (see the comment at the top of each target).
Texts are Windows-1250. Run it again after changing a layout; the seeds are committed.
"""
import pathlib
import struct

HERE = pathlib.Path(__file__).resolve().parent
CORPUS = HERE / "corpus"


def cp(text):
    return text.encode("cp1250")


def record(text, size=81, length=None):
    body = cp(text) if isinstance(text, str) else text
    body = body[: size - 1]
    n = len(body) if length is None else length
    return bytes([n]) + body + b"#" * (size - 1 - len(body))


def words(texts):
    return b"".join(record(t) for t in texts)


def short_text(data):
    data = cp(data) if isinstance(data, str) else data
    assert len(data) < 256
    return bytes([len(data)]) + data


def slot(i, j, k, char, rec):
    return bytes([i - 1, j, k, char]) + struct.pack("<i", rec)


def write(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def dictionary():
    stock = ["1.1.2026", "DŮM@stavení;budova;", "DŮM@domov;", "DŮRAZ@důležitost;",
             "KŮŇ@zvíře;", "KŮRA@obal kmene;"]
    texts = cp("dů\nKŮ\nx")
    # A consistent index made by the target from the records.
    write("fuzz_dictionary", "complete", bytes([2]) + struct.pack("<H", 0) + short_text(texts) +
          words(stock))
    # Hand-made slots, one of them pointing past the end and one before the start.
    slots = slot(1, 0, 0, ord("A"), 1) + slot(1, 1, 0, ord("B"), 2) + slot(1, 1, 1, ord("C"), 9) \
        + slot(2, 0, 0, ord("Z"), -5) + slot(3, 0, 0, 0, -1)
    write("fuzz_dictionary", "slots", bytes([0]) + struct.pack("<H", len(slots)) + slots +
          short_text("ABC\nZ\nA") + words(["h", "ABC@x;y;", "ABD@z;", "B@q;"]))
    # A short index file: the pair does not open.
    write("fuzz_dictionary", "short-index", bytes([1]) + struct.pack("<H", 4) + b"\0\0\0\0" +
          short_text("a") + words(["h", "A@b;"]))
    # Length bytes above 80 and a partial last record.
    odd = record("A@long;", length=200) + record("AB@x", length=0) + b"AB@tail"
    write("fuzz_dictionary", "odd-records", bytes([2]) + struct.pack("<H", 0) + short_text("A") +
          words(["h"]) + odd)


def allsearch():
    def dicts(mask, text, files):
        data = bytes([mask]) + short_text(text)
        for f in files:
            data += struct.pack("<H", len(f)) + f
        return data

    main = words(["1.1.2026", "KOČKA@zvíře;", "KOČÁR@vůz;", "OKO@zrak;"])
    towns = words(["1.1.2026", "KOLÍN@město;", "PRAHA@město;"])
    write("fuzz_allsearch", "plain", dicts(0b11, "ko", [main, towns]))
    write("fuzz_allsearch", "pattern", dicts(0b101, "k?*a", [main, towns]))
    write("fuzz_allsearch", "stars", dicts(0xFF, "*o*", [main, towns] * 4))
    write("fuzz_allsearch", "none", dicts(0, "a", []))


def matchpattern():
    for name, pattern, headword in [("question", "K?Č", "KOČKA"), ("star", "O*A", "KOČKA"),
                                    ("stars", "**?*", "X"), ("empty-headword", "*", ""),
                                    ("plain", "AB", "XXABY")]:
        write("fuzz_matchpattern", name, short_text(pattern) + cp(headword))


def characters():
    def catalogue(texts):
        return b"".join(record(t, size=151) for t in texts)

    cat = catalogue(["1.1.2026", "Čapek Karel@Krakatit@Prokop;Tomeš;",
                     "Čapek Karel@R.U.R.@Helena;Domin;", "Němcová Božena@Babička@Babička;Barunka;",
                     "bez zavináče", "jen@jeden"])
    write("fuzz_characters", "authors", short_text("ča") + short_text("kr") + bytes([1]) + cat)
    write("fuzz_characters", "titles", short_text("n") + short_text("b") + bytes([3]) + cat)
    write("fuzz_characters", "empty", short_text("") + short_text("") + bytes([0]) +
          catalogue(["h"]))


def userdict():
    lines = cp("DŮM@stavení;budova;\r\nKŮŇ@zvíře;\nbez zavináče\rA@b@c;\r\n")
    write("fuzz_userdict", "lines", bytes([0]) + short_text("budova") + lines)
    write("fuzz_userdict", "ctrl-z", bytes([0]) + short_text("x") + b"A@x;\x1aB@y;")
    # CR LF across the reader's buffer boundary.
    write("fuzz_userdict", "boundary", bytes([1]) + short_text("") + b"\r\nB@y;\r\n")
    write("fuzz_userdict", "empty", bytes([0, 0]))


def profile():
    ini = cp("; nastavení\r\n[Hlavni okno]\r\nLeft=10\r\n  Top = 20 \r\n\r\n[Volby]\r\nCesta=\"C:\\x\"\r\n")
    write("fuzz_profile", "existing-key", short_text("tform1") + short_text("TOP") +
          short_text("33") + ini)
    write("fuzz_profile", "new-key", short_text("Volby") + short_text("Nový") +
          short_text("'a b'") + ini)
    write("fuzz_profile", "new-section", short_text("Jiná") + short_text("k") + short_text("v") +
          b"[a]\nk=v")
    write("fuzz_profile", "empty-file", short_text("s") + short_text("k") + short_text(""))


def legend():
    # The input is the legend as typed; its lines are also meanings of a small answer space.
    legends = [
        ("capital", "hlavní město Kanady"), ("roman", "římsky 14"),
        ("symbol", "chem. zn. stříbra"), ("language", "kočka (angl.)"), ("german", "něm. pes"),
        ("number", "3,7 m"), ("numbers", "1.2.3, 4, 5,"), ("forms", "psi a kočky; řeka Labe"),
        ("abbreviations", "Hl. m. ČR, tj. sv. r. 1348"),
        ("joining", "a v na do že při PŘED přes mezi, tj. ani až"),
        ("punctuation", "!?(*) -- .,;: \"„“–\u00a0/"), ("pattern", "k?č*a"),
        ("records", "DŮM@stavení;budova;\nřeka Labe\nhora Říp;ž.\n@;;"),
    ]
    for name, text in legends:
        write("fuzz_legend", name, cp(text))
    write("fuzz_legend", "invalid-utf8",
          "hlavní město Kanady".encode("utf-8") + b"\xc3\x28\xff\xfe")
    write("fuzz_legend", "foreign", b"Stra\xdfe 5 \xb5m \xa1\xb2 \x7f\x00\x01")
    # Ten thousand words; runs that cap the input length see its beginning.
    words = ["hlavní", "město", "a", "chem.", "zn.", "stříbra", "3,7", "v", "něm.", "pes", "14",
             "kočka", "(angl.)", "tj.", "řeka", "na"]
    write("fuzz_legend", "long", cp(" ".join(words[i % len(words)] for i in range(10000))))

if __name__ == "__main__":
    dictionary()
    allsearch()
    matchpattern()
    characters()
    userdict()
    profile()
    legend()
