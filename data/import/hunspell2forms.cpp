// Expands the Czech word list of Hunspell (its .dic words with the affix rules of its .aff) into
// every word form with the lemma it comes from, one lemma a line: "LEMMA<TAB>FORM FORM ...",
// UTF-8. The solver's clue search reduces a legend's words to these lemmas. The expansion is
// Hunspell's own unmunch (package hunspell-tools); a marker line before each entry of a copy of
// the .dic tells which forms come from which entry, as unmunch writes an entry's forms together,
// its own word first. The .dic must be UTF-8 (its .aff says "SET UTF-8"), as hunspell-cs is.
//
//   hunspell2forms UNMUNCH DIC AFF OUTPUT.txt
#include "engine/files/wholefilestream.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr char kMarker = '\x01'; // no word holds it

// A copy of the .dic with a marker line before every entry, in a temporary folder.
std::string markedCopy(const std::string& dic, const std::filesystem::path& folder) {
    std::ifstream in(dic, std::ios::binary);
    const std::string path = (folder / "marked.dic").string();
    std::ofstream out(path, std::ios::binary);
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (first) { // the count of entries, which unmunch reads first
            out << line << '\n';
            first = false;
            continue;
        }
        out << kMarker << '\n' << line << '\n';
    }
    return out ? path : std::string();
}

// True for a form made with the prefix "ne" of negation: "nemocný" is no form of "mocný" for
// a legend, it means the opposite. The superlative's "nej" stays a form.
bool negated(const std::string& form, const std::string& lemma) {
    return form.starts_with("ne") && !form.starts_with("nej") && !lemma.starts_with("ne");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: hunspell2forms UNMUNCH DIC AFF OUTPUT.txt\n";
        return 2;
    }
    std::string folder = (std::filesystem::temp_directory_path() / "hunspell2forms-XXXXXX");
    if (!::mkdtemp(folder.data())) {
        std::cerr << "hunspell2forms: cannot make a temporary folder\n";
        return 1;
    }
    const std::string marked = markedCopy(argv[2], folder);
    int status = 1;
    if (marked.empty()) {
        std::cerr << "hunspell2forms: cannot read " << argv[2] << '\n';
    } else {
        const std::string command =
            std::string("'") + argv[1] + "' '" + marked + "' '" + argv[3] + "' 2>/dev/null";
        FILE* forms = ::popen(command.c_str(), "r");
        zadrovec::WholeFileStream out(argv[4]);
        std::size_t lemmas = 0, total = 0;
        std::string lemma, line;
        std::vector<std::string> entry;
        const auto flush = [&] {
            if (lemma.empty()) return;
            out.stream() << lemma << '\t';
            for (std::size_t i = 0; i < entry.size(); ++i)
                out.stream() << (i > 0 ? " " : "") << entry[i];
            out.stream() << '\n';
            ++lemmas;
            total += entry.size();
        };
        char buffer[4096];
        while (forms && std::fgets(buffer, sizeof buffer, forms)) {
            line = buffer;
            while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
                line.pop_back();
            if (line.size() == 1 && line[0] == kMarker) {
                flush();
                lemma.clear();
                entry.clear();
                continue;
            }
            line = line.substr(0, line.find('/')); // a form with its own flags
            if (line.empty()) continue;
            if (lemma.empty())
                lemma = line; // the entry's own word comes first
            else if (line != lemma && !negated(line, lemma))
                entry.push_back(line);
        }
        flush();
        const int ended = forms ? ::pclose(forms) : -1;
        if (ended != 0 || lemmas == 0) {
            std::cerr << "hunspell2forms: " << argv[1] << " failed or gave no forms\n";
        } else if (out.commit()) {
            std::cout << "hunspell2forms: " << lemmas << " lemmas, " << total << " other forms\n";
            status = 0;
        }
    }
    std::filesystem::remove_all(folder);
    return status;
}
