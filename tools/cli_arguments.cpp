#include "tools/cli_arguments.h"

#include "tools/cli_command_line.h"

namespace zadrovec::cli {
namespace {

const char* const kDescription =
    R"(Runs the dictionary engine of Zadrovec from a terminal: the output is what the windows show.)";

const char* const kFooter =
    R"(NAME is a dictionary name without a folder, such as hlavni. Text on the command line and in the
output is UTF-8; text arguments must consist of characters that Windows-1250 can hold. In text
output, control characters of the records are shown as \xNN (JSON escapes them its own way).
After "--" every argument is an operand as it stands, for a TEXT that starts with "-".

Exit status: 0 success; 1 failure (dictionary not found, I/O error, bad source, problems found
by check, a selected headword beyond the list, output that could not be written: "write
error: ..." on stderr); 2 usage error or a text argument that Windows-1250 cannot hold. When
the reader of the output goes away early (| head), the program ends quietly by SIGPIPE: status
141 in the shell.)";

// The look-ups in the dictionaries: info, search, find.
void declareLookUpCommands(CommandLine& commandLine) {
    commandLine
        .command("info", "NAME",
                 R"(Opens the dictionary NAME (NAME.dat and NAME.idx in the data folder) and
prints its record count, its word count and the text of its header record.)")
        .data();

    commandLine
        .command("search", "NAME TEXT",
                 R"(Opens the dictionary NAME and lists the headwords that begin with TEXT
(folded to capitals first), one a line, then a line "--", then the meanings
of the first listed headword, one a line. TEXT may be of any length.)")
        .data()
        .number("--select", "I", &Arguments::select,
                "then shows the meanings of listed headword I instead (0 is the first)")
        .flag("--json", &Arguments::json,
              R"(prints one JSON object instead: "status" (the word count text), "found"
(the listed headwords), "hits" (one [headword, meanings text] row per
matching record, in file order) and "meanings")");

    commandLine
        .command("find", "TEXT",
                 R"(Looks for TEXT (folded to capitals first) anywhere in the headwords of all
eight dictionaries, hlavni, mesta, chzn, meny, mpzspz, osobnost, letadla and
podniky, reading every record. In TEXT "?" stands for any one character and
"*" for any run of characters (also none). Lists the found headwords, one a
line, then a line "--", then the meanings of the first one, merged over all
dictionaries. A dictionary that cannot be opened is told on stderr and
skipped; with none opened the exit status is 1.)")
        .data()
        .number("--select", "I", &Arguments::select,
                "then shows the meanings of listed headword I instead (0 is the first)")
        .flag("--json", &Arguments::json,
              R"(prints one JSON object instead: "found" (the listed headwords), "hits" (one
[headword, meanings text] row per matching record, in the dictionaries'
order and file order), "meanings" and "messages" (what the user was told, in
order))");
}

// The dictionary files themselves: build, dump, check.
void declareDictionaryFileCommands(CommandLine& commandLine) {
    commandLine
        .command("build", "SOURCE OUTBASE",
                 R"(Makes OUTBASE.dat and OUTBASE.idx from the UTF-8 text file SOURCE, one entry a
line: HEADWORD@MEANING;MEANING;  Blank lines and lines starting with "#" are
skipped. Headwords are folded to capitals and sorted; an entry too long for
one record is spread over several. On any error nothing is written. SOURCE
must be a regular file, with no line longer than 1,048,576 bytes, and
neither output file may be SOURCE itself (under any name). Interrupted by
SIGINT or SIGTERM, the build removes its temporary files; those of an
earlier build that was killed are removed by the next one.)")
        .text("--header", "TEXT", &Arguments::header,
              R"(the text of the header record, without "@" (default: today's date as d.m.yyyy))");

    commandLine.command("dump", "BASE",
                        "Prints every record of BASE.dat as text, the header first, one a line.");

    commandLine.command(
        "check", "BASE",
        R"(Verifies BASE.dat and BASE.idx: index length, record numbers of the index,
grouping of the headwords, index entries pointing at the first record of
their run, folded headwords. Lists the first 1,000 problems as they are
found, then how many more there were, then the count.)");
}

// The characters catalogue: characters, build-catalogue.
void declareCatalogueCommands(CommandLine& commandLine) {
    commandLine
        .command("characters", "",
                 R"(Opens the characters catalogue postavy.dat in the data folder and filters it
as the window "Postavy z děl" does. Prints the authors, a line "--", the
titles, a line "--" and the characters, one a line.)")
        .data()
        .text("--author", "TEXT", &Arguments::author,
              R"(the authors beginning with TEXT (folded to capitals), the works of the
first of them and the characters of the first of those works)")
        .text("--title", "TEXT", &Arguments::title,
              "the titles beginning with TEXT, and the characters and authors of the first")
        .number("--click-author", "I", &Arguments::clickAuthor,
                R"(then clicks listed author I (0 is the first): its works and the
characters of the first of them)")
        .number("--click-title", "I", &Arguments::clickTitle,
                "then clicks listed title I: its characters and its authors")
        .flag("--json", &Arguments::json,
              R"(prints one JSON object instead: "status" (the entry count text), "authors",
"titles", "characters" (the three lists) and "working" (one [author, title,
characters text] row per record the filter kept, in file order))")
        .usage("(--author TEXT | --title TEXT) [--click-author I | --click-title I] [--json]");

    commandLine
        .command("build-catalogue", "SOURCE OUT",
                 R"(Makes the characters catalogue OUT (such as postavy.dat) from the UTF-8 text
file SOURCE, one work a line: AUTHOR@TITLE@NAME;NAME;  Blank lines and lines
starting with "#" are skipped; the last name gets its ";" when it lacks one.
An entry longer than 150 bytes in Windows-1250 is an error naming its line.
On any error nothing is written. SOURCE and OUT as for build.)")
        .text("--header", "TEXT", &Arguments::header,
              R"(the text of the header record, without "@" (default: today's date))");
}

// The solver: solve, clues, store-answers, answers.
void declareSolverCommands(CommandLine& commandLine) {
    commandLine
        .command("solve", "[PATTERN]",
                 R"(Lists the crossword answers that fit: every headword and meaning of all
dictionaries (and of cizi and slova when they are there) in capitals, by
squares (their letters; a text with a digit is no answer), grouped by length
under a line with the count, each with its dictionaries. Diacritics are
ignored. In PATTERN "?" is any one square, "*" any run of squares, "@" a
vowel, "#" a consonant, [ABC] one of the letters, [!ABC] or [^ABC] none of
them, a letter itself. A space separates words: "????? ?? ???" is a phrase
of three words of 5, 2 and 3 squares, "*" inside a word any run within it,
"*" standing alone any number of whole words; a PATTERN without a space
matches phrases by their squares alone. Exactly one of PATTERN, --words,
--anagram, --from, --contains (or none with --clue).)")
        .data()
        .text("--words", "N,N,...", &Arguments::words,
              R"(a phrase of words of these lengths: "5,2,3" is "????? ?? ???")")
        .text("--anagram", "L", &Arguments::anagram,
              R"(the squares are exactly the letters L in any order ("?" any one square))")
        .text("--from", "L", &Arguments::from,
              R"(every square is one of L, each used at most as often as given ("?" allowed))")
        .text("--contains", "L", &Arguments::contains,
              "the answer holds each letter of L at least as often as given")
        .text("--length", "N[-M]", &Arguments::length, "N squares, or from N to M")
        .text("--exclude", "L", &Arguments::exclude, "no square is one of the letters L")
        .text("--clue", "LEGEND", &Arguments::clue,
              R"(the legend as printed ("hlavní město Kanady", "chem. zn. stříbra"): answers
ranked by how well their headwords and meanings match its words in any form;
a LEGEND holding "*" or "?" is a pattern instead: only answers paired with a
headword or meaning that matches it)")
        .text("--order", "rank|alpha", &Arguments::order,
              R"(the order within each length: "alpha" Czech order (the default without
--clue), "rank" best first (the default with --clue): the legend's score,
answers with clues before bare words, common words first, the main
dictionary before the others)")
        .flag("--strict", &Arguments::strict, "compares diacritics too")
        .flag("--ch", &Arguments::ch, "CH is one square")
        .flag("--json", &Arguments::json,
              R"(prints one JSON object: "answers" (each with "text", "squares",
"dictionaries" and, with --clue, "clues") and "count")");

    commandLine
        .command("clues", "WORD",
                 R"(Lists every text paired with WORD (compared by squares) in a dictionary,
as a meaning of it or as the headword it is a meaning of, with the
dictionaries of those pairs.)")
        .data()
        .flag("--strict", &Arguments::strict, "compares diacritics too")
        .flag("--json", &Arguments::json,
              R"(prints one JSON object: {"clues": [{"text", "dictionaries"}]})");

    commandLine
        .command("store-answers", "",
                 R"(Stores the answers of solve and clues with their index beside the
dictionaries (odpovedi.idx), so that a question reads only what it needs.
It is used while the dictionary files there have the content it was made
from; otherwise the answers are read from the dictionaries as before.)")
        .data()
        .text("--forms", "FILE", &Arguments::wordForms,
              R"(word forms by lemma, lines "LEMMA<TAB>FORM FORM ...", so that a legend's
words match the clue texts in any form (without it only as written))")
        .text("--frequencies", "FILE", &Arguments::wordFrequencies,
              "Czech words one a line, the most frequent first, to rank equal answers by");

    commandLine
        .command("answers", "",
                 R"(Says whether the stored answers (odpovedi.idx) are used, or why not:
missing, made from other dictionaries (which file), damaged (which part),
another version. Every part is read and checked. Exit status 0 when they
are used, 1 otherwise.)")
        .data();
}

// Every command with its operands and options, in the order the help lists them. A command's
// code reads what is declared here from Arguments; main.cpp maps the command's name to it.
void declareCommands(CommandLine& commandLine) {
    declareLookUpCommands(commandLine);
    declareDictionaryFileCommands(commandLine);
    declareCatalogueCommands(commandLine);
    declareSolverCommands(commandLine);
}

struct ZadrovecCommandLine : CommandLine {
    ZadrovecCommandLine() : CommandLine("zadrovec-cli", kDescription, kFooter) {
        declareCommands(*this);
    }
};

} // namespace

Arguments parseArguments(const std::vector<std::string>& args) {
    return ZadrovecCommandLine().parse(args);
}

std::string helpText(const std::string& command) {
    return ZadrovecCommandLine().help(command);
}

std::string usageText(const std::string& command) {
    return ZadrovecCommandLine().usage(command);
}

} // namespace zadrovec::cli
