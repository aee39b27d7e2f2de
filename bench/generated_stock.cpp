#include "bench/generated_stock.h"

#include "engine/dictionary/dictionaryfiles.h"
#include "engine/text/cp1250.h"
#include "tools/dictbuilder.h"

#include <random>
#include <string_view>
#include <unistd.h>

namespace zadrovec::bench {
namespace {

namespace fs = std::filesystem;

// Pieces of words in capitals (written in UTF-8 here) and how often they come. The first pieces
// follow the first letters of a Czech thesaurus, with the common clusters (PR, PŘ, ST, ...) apart.
struct Weighted {
    std::string_view utf8;
    int weight;
};

constexpr Weighted kFirst[] = {
    {"P", 3900}, {"PR", 2100}, {"PŘ", 1400}, {"S", 2500}, {"ST", 900}, {"SK", 300}, {"SL", 300},
    {"SP", 350}, {"V", 3500},  {"VL", 250},  {"VR", 250}, {"VZ", 200}, {"N", 4100}, {"Z", 3000},
    {"ZN", 300}, {"ZR", 250},  {"ZD", 200},  {"O", 3200}, {"K", 2000}, {"KR", 350}, {"KL", 300},
    {"D", 2200}, {"DR", 350},  {"M", 1900},  {"R", 1800}, {"T", 1300}, {"TR", 350}, {"B", 1300},
    {"BR", 350}, {"H", 1100},  {"HR", 270},  {"U", 1300}, {"A", 1100}, {"L", 1000}, {"C", 1000},
    {"Č", 700},  {"CH", 600},  {"J", 700},   {"I", 600},  {"F", 600},  {"E", 500},  {"Š", 500},
    {"Ř", 400},  {"Ž", 300},   {"G", 300},   {"Ú", 250},  {"X", 30},   {"W", 20},   {"Y", 10},
};

constexpr Weighted kVowels[] = {
    {"A", 30}, {"E", 25}, {"I", 18}, {"O", 25}, {"U", 8}, {"Y", 6}, {"Á", 8},
    {"É", 4},  {"Í", 8},  {"Ě", 6},  {"Ý", 3},  {"Ů", 2}, {"Ú", 1},
};

constexpr Weighted kConsonants[] = {
    {"N", 30}, {"T", 28}, {"S", 22}, {"V", 20}, {"L", 22}, {"K", 20}, {"R", 22}, {"D", 16},
    {"P", 14}, {"M", 16}, {"Z", 10}, {"J", 8},  {"B", 8},  {"C", 6},  {"H", 6},  {"CH", 5},
    {"Č", 6},  {"Ř", 5},  {"Š", 5},  {"Ž", 4},  {"Ň", 2},  {"Ť", 1},  {"Ď", 1},  {"ST", 8},
    {"TR", 5}, {"PR", 8}, {"KR", 3}, {"SL", 3}, {"ZN", 2}, {"SK", 3}, {"DN", 1}, {"F", 2},
};

// Draws Windows-1250 pieces by weight.
class Picker {
public:
    template <std::size_t N> explicit Picker(const Weighted (&items)[N]) {
        std::vector<int> weights;
        for (const Weighted& item : items) {
            pieces_.push_back(Cp1250Literal(item.utf8));
            weights.push_back(item.weight);
        }
        dist_ = std::discrete_distribution<std::size_t>(weights.begin(), weights.end());
    }
    const std::string& operator()(std::mt19937& rng) { return pieces_[dist_(rng)]; }

private:
    std::vector<std::string> pieces_;
    std::discrete_distribution<std::size_t> dist_;
};

bool isVowel(char c) {
    static const std::string vowels = Cp1250Literal("AEIOUYÁÉÍĚÝŮÚ");
    return vowels.find(c) != std::string::npos;
}

// A pronounceable capitalised word of two to five syllables.
class WordMaker {
public:
    std::string headword(std::mt19937& rng) {
        std::string w = first_(rng);
        const bool endsWithVowel = isVowel(w.back());
        const int syllables = std::uniform_int_distribution<int>(2, 5)(rng);
        for (int s = 0; s < syllables; ++s) {
            if (s > 0 || endsWithVowel) w += consonant_(rng);
            w += vowel_(rng);
        }
        if (std::bernoulli_distribution(0.4)(rng)) w += consonant_(rng);
        return w;
    }

    // A meaning in small letters, as meanings are written.
    std::string meaning(std::mt19937& rng) {
        std::string m;
        const int syllables = std::uniform_int_distribution<int>(2, 4)(rng);
        for (int s = 0; s < syllables; ++s) {
            m += consonant_(rng);
            m += vowel_(rng);
        }
        for (char& c : m) {
            const auto u = static_cast<unsigned char>(c);
            // Windows-1250 puts the small letter 0x20 above its capital, Š Ť Ž 0x10 above.
            if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE))
                c = static_cast<char>(u + 0x20);
            else if (u == 0x8A || u == 0x8D || u == 0x8E)
                c = static_cast<char>(u + 0x10);
        }
        return m;
    }

private:
    Picker first_{kFirst};
    Picker vowel_{kVowels};
    Picker consonant_{kConsonants};
};

} // namespace

GeneratedDictionary::GeneratedDictionary() {
    folder_ = fs::temp_directory_path() / ("zadrovec-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder_);

    std::mt19937 rng(20240611);
    WordMaker maker;
    std::vector<build::SourceEntry> entries;
    entries.reserve(kRecords - 1);
    for (std::size_t i = 0; i + 1 < kRecords; ++i) {
        build::SourceEntry e;
        e.headword = maker.headword(rng);
        const int count = std::uniform_int_distribution<int>(1, 3)(rng);
        std::size_t size = e.headword.size() + 1;
        for (int m = 0; m < count; ++m) {
            std::string meaning = maker.meaning(rng);
            if (size + meaning.size() + 1 > kRecordTextSize) break; // one record per entry
            size += meaning.size() + 1;
            e.meanings.push_back(std::move(meaning));
        }
        entries.push_back(std::move(e));
    }
    const auto built = build::buildDictionary(std::move(entries), "1.1.2000");
    build::writeDictionary(built, (folder_ / "hlavni").string());
    records_ = built.records.size();
    // Words a user looks for: spread evenly over the file, so common beginnings come often.
    const std::size_t step = records_ / kSampleWords;
    for (std::size_t r = 1; r < records_; r += step)
        sample_.emplace_back(Headword(built.records[r]));
}
GeneratedDictionary::~GeneratedDictionary() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

GeneratedDictionary& generated() {
    static GeneratedDictionary dictionary;
    return dictionary;
}

} // namespace zadrovec::bench
