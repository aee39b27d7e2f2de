// The word search on the generated dictionary of a million records.
#include "bench/generated_stock.h"
#include "engine/dictionary/dictionaryfiles.h"
#include "engine/dictionary/messages.h"
#include "engine/dictionary/wordsearch.h"
#include "engine/text/cp1250.h"

#include <benchmark/benchmark.h>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

using namespace zadrovec;
using zadrovec::bench::generated;
using zadrovec::bench::kRecords;
using zadrovec::bench::kSampleWords;

// An open dictionary and the hits of its last search.
struct Session {
    RecordedMessages messages;
    Dictionary dictionary{generated().folder(), messages};
    WordHits hits;

    Session() {
        if (!dictionary.open("hlavni"))
            throw std::runtime_error("the generated dictionary did not open");
    }
    ~Session() { dictionary.close(); }
};

// Searches for one text again and again; the text as a user types it, in UTF-8 here.
void BM_SearchWords(benchmark::State& state, std::string_view typedUtf8) {
    Session session;
    const std::string text = Cp1250Literal(typedUtf8);
    for (auto _ : state) {
        session.hits = SearchWords(session.dictionary, text).hits;
        benchmark::DoNotOptimize(session.hits.found.size());
    }
    state.counters["hits"] = static_cast<double>(session.hits.hitHeadwords.size());
    state.counters["found"] = static_cast<double>(session.hits.found.size());
}

// The first N letters of words spread over the dictionary, one word per iteration: the typical
// search, where the named ones above show the largest runs.
void BM_SearchWords_SampleWords(benchmark::State& state) {
    Session session;
    const auto& words = generated().sampleWords();
    const auto letters = static_cast<std::size_t>(state.range(0));
    std::size_t next = 0;
    double hits = 0;
    for (auto _ : state) {
        const std::string& word = words[next++ % words.size()];
        session.hits = SearchWords(session.dictionary, word.substr(0, letters)).hits;
        hits += static_cast<double>(session.hits.hitHeadwords.size());
    }
    state.counters["hits"] = benchmark::Counter(hits, benchmark::Counter::kAvgIterations);
}

// Choosing another found word: the meanings are merged over the whole hit table of the search.
void BM_ShowMeanings(benchmark::State& state, std::string_view typedUtf8) {
    Session session;
    const WordHits hits = SearchWords(session.dictionary, Cp1250Literal(typedUtf8)).hits;
    const std::string& middle = hits.found.at(hits.found.size() / 2);
    for (auto _ : state) {
        const std::vector<std::string> meanings =
            MeaningsOf(middle, hits.hitHeadwords, hits.hitMeanings);
        benchmark::DoNotOptimize(meanings.size());
    }
    state.counters["hits"] = static_cast<double>(hits.hitHeadwords.size());
}

void BM_CzechUpperCase(benchmark::State& state) {
    const std::string typed = Cp1250Literal("příliš žluťoučký kůň úpěl ďábelské ódy");
    for (auto _ : state) {
        std::string text = typed;
        CzechUpperCase(text);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * typed.size()));
}

// One, two and three letters: the largest runs of a Czech word list (P, PO, PRO) and ordinary
// ones; the sample words below give the typical case.
BENCHMARK_CAPTURE(BM_SearchWords, 1_P, "p")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchWords, 1_K, "k")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchWords, 1_Č, "č")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchWords, 2_PO, "po")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchWords, 2_KA, "ka")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchWords, 3_PRO, "pro")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchWords, 3_KAM, "kam")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchWords, 3_ŽIV, "živ")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchWords, 5_POLIK, "polik")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SearchWords_SampleWords)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(static_cast<benchmark::IterationCount>(kSampleWords));
BENCHMARK_CAPTURE(BM_ShowMeanings, after_P, "p")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ShowMeanings, after_PRO, "pro")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CzechUpperCase);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::cerr << "Generating a dictionary of " << kRecords << " records...\n";
    std::cerr << "  " << generated().records() << " records in " << generated().folder() << '\n';
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
