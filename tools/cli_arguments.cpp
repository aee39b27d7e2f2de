#include "cli_arguments.h"

#include <charconv>
#include <map>
#include <set>

namespace zadrovec::cli {
namespace {

struct CommandShape {
    std::size_t operands;
    std::set<std::string> options;
    std::size_t optionalOperands = 0;
};

const std::map<std::string, CommandShape>& commands() {
    static const std::map<std::string, CommandShape> shapes = {
        {"info", {1, {"--data"}}},
        {"search", {2, {"--data", "--select", "--json"}}},
        {"build", {2, {"--header"}}},
        {"dump", {1, {}}},
        {"check", {1, {}}},
        {"find", {1, {"--data", "--select", "--json"}}},
        {"characters",
         {0, {"--data", "--author", "--title", "--click-author", "--click-title", "--json"}}},
        {"build-catalogue", {2, {"--header"}}},
        {"solve",
         {0,
          {"--data", "--anagram", "--from", "--contains", "--length", "--exclude", "--clue",
           "--strict", "--ch", "--json"},
          1}},
        {"clues", {1, {"--data", "--strict", "--json"}}},
        {"store-answers", {0, {"--data"}}},
    };
    return shapes;
}

long long parseNumber(const std::string& option, const std::string& value) {
    long long number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc{} || end != value.data() + value.size())
        throw UsageError(option + " needs a whole number, not \"" + value + "\"");
    return number;
}

// The text options of solve, by name.
std::optional<std::optional<std::string>*> solveOption(Arguments& parsed, const std::string& arg) {
    if (arg == "--anagram") return &parsed.anagram;
    if (arg == "--from") return &parsed.from;
    if (arg == "--contains") return &parsed.contains;
    if (arg == "--length") return &parsed.length;
    if (arg == "--exclude") return &parsed.exclude;
    if (arg == "--clue") return &parsed.clue;
    return std::nullopt;
}

} // namespace

Arguments parseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    std::vector<std::string> words;
    std::vector<std::string> optionsSeen;
    bool optionsEnded = false;
    for (std::size_t a = 0; a < args.size(); ++a) {
        const std::string& arg = args[a];
        const auto value = [&]() -> const std::string& {
            if (a + 1 >= args.size()) throw UsageError(arg + " needs a value");
            return args[++a];
        };
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            words.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            parsed.command = "help";
            return parsed;
        } else if (arg == "--data") {
            parsed.dataFolder = value();
            optionsSeen.push_back(arg);
        } else if (arg == "--header") {
            parsed.header = value();
            optionsSeen.push_back(arg);
        } else if (arg == "--select") {
            parsed.select = parseNumber(arg, value());
            optionsSeen.push_back(arg);
        } else if (arg == "--author") {
            parsed.author = value();
            optionsSeen.push_back(arg);
        } else if (arg == "--title") {
            parsed.title = value();
            optionsSeen.push_back(arg);
        } else if (arg == "--click-author") {
            parsed.clickAuthor = parseNumber(arg, value());
            optionsSeen.push_back(arg);
        } else if (arg == "--click-title") {
            parsed.clickTitle = parseNumber(arg, value());
            optionsSeen.push_back(arg);
        } else if (arg == "--json") {
            parsed.json = true;
            optionsSeen.push_back(arg);
        } else if (const auto text = solveOption(parsed, arg)) {
            **text = value();
            optionsSeen.push_back(arg);
        } else if (arg == "--strict" || arg == "--ch") {
            (arg == "--strict" ? parsed.strict : parsed.ch) = true;
            optionsSeen.push_back(arg);
        } else {
            throw UsageError("unknown option " + arg);
        }
    }

    if (words.empty()) throw UsageError("no command given");
    parsed.command = words.front();
    const auto shape = commands().find(parsed.command);
    if (shape == commands().end()) throw UsageError("unknown command \"" + parsed.command + "\"");
    parsed.operands.assign(words.begin() + 1, words.end());
    const std::size_t least = shape->second.operands;
    const std::size_t most = least + shape->second.optionalOperands;
    if (parsed.operands.size() < least || parsed.operands.size() > most)
        throw UsageError(parsed.command + " takes " + std::to_string(least) +
                         (most > least ? " to " + std::to_string(most) : std::string()) +
                         " operand(s), not " + std::to_string(parsed.operands.size()));
    for (const std::string& option : optionsSeen)
        if (!shape->second.options.contains(option))
            throw UsageError(option + " does not apply to " + parsed.command);
    return parsed;
}

std::string usageText() {
    return R"(Usage:
  zadrovec-cli [--data DIR] info NAME
  zadrovec-cli [--data DIR] search NAME TEXT [--select I] [--json]
  zadrovec-cli [--data DIR] find TEXT [--select I] [--json]
  zadrovec-cli build SOURCE OUTBASE [--header TEXT]
  zadrovec-cli dump BASE
  zadrovec-cli check BASE
  zadrovec-cli [--data DIR] characters (--author TEXT | --title TEXT)
               [--click-author I | --click-title I] [--json]
  zadrovec-cli build-catalogue SOURCE OUT [--header TEXT]
  zadrovec-cli [--data DIR] solve [PATTERN] [--anagram L | --from L | --contains L]
               [--length N[-M]] [--exclude L] [--clue PATTERN] [--strict] [--ch] [--json]
  zadrovec-cli [--data DIR] clues WORD [--strict] [--json]
  zadrovec-cli [--data DIR] store-answers
  zadrovec-cli --help

Commands:
  info NAME      Opens the dictionary NAME (NAME.dat and NAME.idx in the data folder) and
                 prints its record count, its word count and the text of its header record.
  search NAME TEXT
                 Opens the dictionary NAME and lists the headwords that begin with TEXT
                 (folded to capitals first), one a line, then a line "--", then the meanings
                 of the first listed headword, one a line. TEXT may be of any length.
    --select I   then shows the meanings of listed headword I instead (0 is the first)
    --json       prints one JSON object instead: "status" (the word count text), "found"
                 (the listed headwords), "hits" (one [headword, meanings text] row per
                 matching record, in file order) and "meanings"
  find TEXT      Looks for TEXT (folded to capitals first) anywhere in the headwords of all
                 eight dictionaries, hlavni, mesta, chzn, meny, mpzspz, osobnost, letadla and
                 podniky, reading every record. In TEXT "?" stands for any one character and
                 "*" for any run of characters (also none). Lists the found headwords, one a
                 line, then a line "--", then the meanings of the first one, merged over all
                 dictionaries. A dictionary that cannot be opened is told on stderr and
                 skipped; with none opened the exit status is 1.
    --select I   then shows the meanings of listed headword I instead (0 is the first)
    --json       prints one JSON object instead: "found" (the listed headwords), "hits" (one
                 [headword, meanings text] row per matching record, in the dictionaries'
                 order and file order), "meanings" and "messages" (what the user was told, in
                 order)
  build SOURCE OUTBASE
                 Makes OUTBASE.dat and OUTBASE.idx from the UTF-8 text file SOURCE, one entry a
                 line: HEADWORD@MEANING;MEANING;  Blank lines and lines starting with "#" are
                 skipped. Headwords are folded to capitals and sorted; an entry too long for
                 one record is spread over several. On any error nothing is written. SOURCE
                 must be a regular file, with no line longer than 1,048,576 bytes, and
                 neither output file may be SOURCE itself (under any name). Interrupted by
                 SIGINT or SIGTERM, the build removes its temporary files; those of an
                 earlier build that was killed are removed by the next one.
    --header TEXT  the text of the header record, without "@" (default: today's date as
                 d.m.yyyy)
  dump BASE      Prints every record of BASE.dat as text, the header first, one a line.
  check BASE     Verifies BASE.dat and BASE.idx: index length, record numbers of the index,
                 grouping of the headwords, index entries pointing at the first record of
                 their run, folded headwords. Lists the first 1,000 problems as they are
                 found, then how many more there were, then the count.
  characters     Opens the characters catalogue postavy.dat in the data folder and filters it
                 as the window "Postavy z děl" does. Prints the authors, a line "--", the
                 titles, a line "--" and the characters, one a line.
    --author TEXT  the authors beginning with TEXT (folded to capitals), the works of the
                 first of them and the characters of the first of those works
    --title TEXT   the titles beginning with TEXT, and the characters and authors of the first
    --click-author I  then clicks listed author I (0 is the first): its works and the
                 characters of the first of them
    --click-title I   then clicks listed title I: its characters and its authors
    --json       prints one JSON object instead: "status" (the entry count text), "authors",
                 "titles", "characters" (the three lists) and "working" (one [author, title,
                 characters text] row per record the filter kept, in file order)
  build-catalogue SOURCE OUT
                 Makes the characters catalogue OUT (such as postavy.dat) from the UTF-8 text
                 file SOURCE, one work a line: AUTHOR@TITLE@NAME;NAME;  Blank lines and lines
                 starting with "#" are skipped; the last name gets its ";" when it lacks one.
                 An entry longer than 150 bytes in Windows-1250 is an error naming its line.
                 On any error nothing is written. SOURCE and OUT as for build.
    --header TEXT  the text of the header record, without "@" (default: today's date)
  solve [PATTERN]
                 Lists the crossword answers that fit: every headword and meaning of all
                 dictionaries (and of cizi and slova when they are there) in capitals, by
                 squares (their letters; a text with a digit is no answer), grouped by length
                 under a line with the count, each with its dictionaries. Diacritics are
                 ignored. In PATTERN "?" is any one square, "*" any run of squares, "@" a
                 vowel, "#" a consonant, [ABC] one of the letters, [!ABC] or [^ABC] none of
                 them, a letter itself. Exactly one of PATTERN, --anagram, --from, --contains
                 (or none with --clue).
    --anagram L  the squares are exactly the letters L in any order ("?" any one square)
    --from L     every square is one of L, each used at most as often as given ("?" allowed)
    --contains L the answer holds each letter of L at least as often as given
    --length N[-M]  N squares, or from N to M
    --exclude L  no square is one of the letters L
    --clue PATTERN  only answers paired with a headword or meaning that matches PATTERN
    --strict     compares diacritics too
    --ch         CH is one square
    --json       prints one JSON object: "answers" (each with "text", "squares",
                 "dictionaries" and, with --clue, "clues") and "count"
  clues WORD     Lists every text paired with WORD (compared by squares) in a dictionary,
                 as a meaning of it or as the headword it is a meaning of, with the
                 dictionaries of those pairs. --strict compares diacritics too; --json prints
                 {"clues": [{"text", "dictionaries"}]}.
  store-answers  Stores the answers of solve and clues with their index beside the
                 dictionaries (odpovedi.idx), so that each question starts at once. It is
                 used while it was made from the very dictionary files that are there;
                 otherwise the answers are read from the dictionaries as before.

Options:
  --data DIR     the folder of the dictionaries (default: the folder of this program)
  --help, -h     prints this text
  --             ends the options, for a TEXT that starts with "-"

NAME is a dictionary name without a folder, such as hlavni. Text on the command line and in the
output is UTF-8; text arguments must consist of characters that Windows-1250 can hold. In text
output, control characters of the records are shown as \xNN (JSON escapes them its own way).

Exit status: 0 success; 1 failure (dictionary not found, I/O error, bad source, problems found
by check, --select beyond the listed headwords, output that could not be written: "write
error: ..." on stderr); 2 usage error or a text argument that Windows-1250 cannot hold. When
the reader of the output goes away early (| head), the program ends quietly by SIGPIPE: status
141 in the shell.
)";
}

} // namespace zadrovec::cli
