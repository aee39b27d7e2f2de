// The search in all dictionaries over a stock of a million records in the eight word files:
// the scan alone (plain text and pattern), and the results window filled and shown offscreen
// for a text with about 100,000 hits.
//
//   allsearch_bench [benchmark options]   runs the timings on a stock generated for the run
//   allsearch_bench --write-stock DIR     only writes the stock into DIR (for compare_grep.sh)
#include "engine/dictionary/allsearch.h"
#include "engine/dictionary/messages.h"
#include "engine/text/cp1250.h"
#include "tools/dictbuilder.h"
#include "ui/foundtextwindow.h"
#include "ui/searchprogresswindow.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace zadrovec;
namespace fs = std::filesystem;

constexpr std::size_t kMainRecords = 650'000; // header included
constexpr std::size_t kOtherRecords = 50'000; // each of the seven others
constexpr std::size_t kWantedHits = 100'000;

// Pronounceable capitalised words of Czech letters, and meanings in small letters.
class WordMaker {
public:
    explicit WordMaker(unsigned seed) : rng_(seed) {}

    std::mt19937& rng() { return rng_; }

    std::string headword() {
        std::string w;
        const int syllables = std::uniform_int_distribution<int>(2, 4)(rng_);
        for (int s = 0; s < syllables; ++s)
            w += pick(consonants_) + pick(vowels_);
        if (std::bernoulli_distribution(0.4)(rng_)) w += pick(consonants_);
        return w;
    }

    std::string meaning() {
        std::string m = headword();
        for (char& c : m)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return m;
    }

private:
    const std::string& pick(const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng_)];
    }
    static std::vector<std::string> letters(std::initializer_list<const char*> utf8) {
        std::vector<std::string> out;
        for (const char* l : utf8)
            out.push_back(Cp1250Literal(l));
        return out;
    }

    std::mt19937 rng_;
    std::vector<std::string> vowels_ = letters({"A", "E", "I", "O", "U", "Y", "Á", "É", "Í", "Ě"});
    std::vector<std::string> consonants_ =
        letters({"B", "C", "Č", "D", "H", "CH", "J", "K", "L",  "M",  "N", "P",
                 "R", "Ř", "S", "Š", "T", "V",  "Z", "Ž", "ST", "PR", "KR"});
};

std::size_t recordsOf(std::string_view name) {
    return name == kMainWindowDictionaryFiles[0] ? kMainRecords : kOtherRecords;
}

// Writes the eight dictionaries; returns every headword written, for choosing search texts.
std::vector<std::string> writeStock(const fs::path& folder) {
    fs::create_directories(folder);
    std::vector<std::string> all;
    unsigned seed = 20240611;
    for (const std::string_view name : kMainWindowDictionaryFiles) {
        WordMaker maker(seed++);
        std::vector<build::SourceEntry> entries(recordsOf(name) - 1);
        for (build::SourceEntry& e : entries) {
            e.headword = maker.headword();
            const int meanings = std::uniform_int_distribution<int>(1, 3)(maker.rng());
            for (int m = 0; m < meanings; ++m)
                e.meanings.push_back(maker.meaning());
            all.push_back(e.headword);
        }
        const auto built = build::buildDictionary(std::move(entries), "1.1.2000");
        build::writeDictionary(built, (folder / std::string(name)).string());
    }
    return all;
}

// The two-letter text found in the number of headwords nearest to kWantedHits.
std::string textWithAboutWantedHits(const std::vector<std::string>& headwords) {
    std::map<std::string, std::size_t> counts;
    for (const std::string& h : headwords) {
        std::set<std::string> pairs;
        for (std::size_t i = 0; i + 2 <= h.size(); ++i)
            pairs.insert(h.substr(i, 2));
        for (const std::string& p : pairs)
            ++counts[p];
    }
    std::string best;
    std::size_t bestDistance = SIZE_MAX;
    for (const auto& [text, count] : counts) {
        const std::size_t distance =
            count > kWantedHits ? count - kWantedHits : kWantedHits - count;
        if (distance < bestDistance) {
            best = text;
            bestDistance = distance;
        }
    }
    return best;
}

// The stock of the run: written on first use into a temporary folder, removed at exit.
class Stock {
public:
    Stock()
        : folder_(fs::temp_directory_path() /
                  ("zadrovec-allsearch-" + std::to_string(::getpid()))) {
        manyHitsText_ = textWithAboutWantedHits(writeStock(folder_));
    }
    ~Stock() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    std::string folder() const { return folder_.string(); }
    const std::string& manyHitsText() const { return manyHitsText_; }

private:
    fs::path folder_;
    std::string manyHitsText_;
};

Stock& stock() {
    static Stock generated;
    return generated;
}

void scan(benchmark::State& state, const std::string& text) {
    RecordedMessages messages;
    Dictionary dictionary(stock().folder(), messages);
    WordHits found;
    int pumped = 0;
    for (auto _ : state) {
        found = SearchAllDictionaries(dictionary, text, [&] { ++pumped; }).hits;
        benchmark::DoNotOptimize(found.found.size());
    }
    dictionary.close();
    state.counters["hits"] = static_cast<double>(found.hitHeadwords.size());
    state.counters["found"] = static_cast<double>(found.found.size());
    state.counters["records/s"] = benchmark::Counter(static_cast<double>(state.iterations()) *
                                                         (kMainRecords + 7 * kOtherRecords),
                                                     benchmark::Counter::kIsRate);
}

void BM_ScanPlainText(benchmark::State& state) {
    scan(state, Cp1250Literal("kráv"));
}
void BM_ScanPattern(benchmark::State& state) {
    scan(state, Cp1250Literal("k?á*v"));
}
void BM_ScanManyHits(benchmark::State& state) {
    scan(state, stock().manyHitsText());
}

// From SearchText set to the window shown and painted with its lists filled.
void BM_ResultsWindowManyHits(benchmark::State& state) {
    RecordedMessages messages;
    Dictionary dictionary(stock().folder(), messages);
    QWidget mainWindow;
    mainWindow.resize(530, 378);
    mainWindow.show();
    ui::SearchProgressWindow progress(&mainWindow);
    ui::FoundTextWindow window(dictionary, &progress, &mainWindow);
    for (auto _ : state) {
        window.searchText = stock().manyHitsText();
        window.show();
        window.repaint();
        QApplication::processEvents();
        state.PauseTiming();
        window.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["hits"] = static_cast<double>(window.hitHeadwords.size());
    state.counters["found"] = static_cast<double>(window.resultLists().found.size());
    dictionary.close();
}

BENCHMARK(BM_ScanPlainText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanPattern)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanManyHits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResultsWindowManyHits)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-stock") == 0) {
        const auto headwords = writeStock(argv[2]);
        std::cout << Cp1250ToUtf8(textWithAboutWantedHits(headwords)) << '\n';
        return 0;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::cout << "text with many hits: " << Cp1250ToUtf8(stock().manyHitsText()) << '\n';
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
