// The solver on a generated answer space of 1,000,000 answers: 500,000 dictionary records, each
// a headword and one meaning, all texts different. In process: the questions a solver types.
//   solver_bench [benchmark options]
//   solver_bench --write-stock DIR   writes DIR/hlavni.dat and .idx and DIR/squares.txt (the
//                                     answers' squares without diacritics, one a line), for
//                                     compare_solve.sh
#include "engine/solver/answersource.h"
#include "engine/solver/answerspace.h"
#include "engine/solver/solver.h"
#include "engine/text/cp1250.h"
#include "tools/dictbuilder.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <unordered_set>

namespace {

using namespace zadrovec;
namespace fs = std::filesystem;

constexpr std::size_t kRecords = 500'000; // each gives two answers
constexpr std::size_t kSamples = 64;

// Pronounceable words of Czech letters, some of two words.
class WordMaker {
public:
    std::string word(std::mt19937& rng) {
        std::string w;
        const int syllables = std::uniform_int_distribution<int>(2, 5)(rng);
        for (int s = 0; s < syllables; ++s)
            w += pick(consonants_, rng) + pick(vowels_, rng);
        if (std::bernoulli_distribution(0.4)(rng)) w += pick(consonants_, rng);
        if (std::bernoulli_distribution(0.1)(rng)) w += ' ' + word(rng);
        return w;
    }

private:
    static const std::string& pick(const std::vector<std::string>& from, std::mt19937& rng) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
    }
    static std::vector<std::string> letters(std::initializer_list<const char*> utf8) {
        std::vector<std::string> out;
        for (const char* l : utf8)
            out.push_back(Cp1250Literal(l));
        return out;
    }

    std::vector<std::string> vowels_ =
        letters({"A", "E", "I", "O", "U", "Y", "Á", "É", "Í", "Ě", "Ů", "Ý"});
    std::vector<std::string> consonants_ =
        letters({"B", "C", "Č", "D", "H", "CH", "J", "K",  "L",  "M",  "N", "P", "R",
                 "Ř", "S", "Š", "T", "V", "Z",  "Ž", "ST", "PR", "KR", "F", "G"});
};

// Meanings are written in small letters.
std::string smallLetters(std::string text) {
    static const auto lower = [] {
        std::array<char, 256> table{};
        for (int b = 0; b < 256; ++b)
            table[b] = static_cast<char>(b);
        for (int b = 0; b < 256; ++b) {
            const auto upper = static_cast<unsigned char>(
                UpperCaseCp1250(std::string(1, static_cast<char>(b)))[0]);
            if (upper != b) table[upper] = static_cast<char>(b);
        }
        return table;
    }();
    for (char& c : text)
        c = lower[static_cast<unsigned char>(c)];
    return text;
}

std::vector<build::SourceEntry> generatedEntries() {
    std::mt19937 rng(20261207);
    WordMaker maker;
    std::unordered_set<std::string> seen;
    std::vector<build::SourceEntry> entries;
    entries.reserve(kRecords);
    while (entries.size() < kRecords) {
        build::SourceEntry e;
        e.headword = maker.word(rng);
        std::string meaning = UpperCaseCp1250(maker.word(rng));
        if (e.headword.size() + meaning.size() + 2 > 80) continue;
        if (!seen.insert(e.headword).second) continue;
        if (!seen.insert(meaning).second) continue;
        e.meanings.push_back(smallLetters(meaning));
        entries.push_back(std::move(e));
    }
    return entries;
}

struct Stock {
    std::shared_ptr<AnswerSpace> space = std::make_shared<AnswerSpace>(); // made below
    Solver solver{space};
    std::vector<std::string> samples; // answers spread over the space, of 6 squares or more

    Stock() {
        AnswerSpaceBuilder builder;
        for (const build::SourceEntry& e : generatedEntries())
            builder.addRecord(0, e.headword + '@' + e.meanings[0] + ';');
        *space = builder.finish();
        const SquareIndex& index = solver.index({});
        for (std::uint32_t id = 7; samples.size() < kSamples; id += 15'551)
            if (index.length(id % space->size()) >= 6)
                samples.emplace_back(space->text(id % space->size()));
    }
};

Stock& stock() {
    static Stock s;
    return s;
}

// The sample's squares as typed, without diacritics.
std::string plainSquares(const std::string& text) {
    Squares squares;
    if (!TextSquares(text, {}, squares)) return {};
    // Under the default rules every letter is one square, its capital without diacritics.
    std::string out;
    for (const char c : FoldedCapitals(text))
        if (IsCp1250Letter(static_cast<unsigned char>(c))) out += c;
    return out;
}

void run(benchmark::State& state, const std::vector<Question>& questions) {
    Solver& solver = stock().solver;
    std::size_t i = 0;
    std::size_t found = 0;
    for (auto _ : state) {
        const auto answers = solver.solve(questions[i++ % questions.size()]);
        found += answers.size();
        benchmark::DoNotOptimize(answers.data());
    }
    state.counters["answers"] =
        benchmark::Counter(static_cast<double>(found), benchmark::Counter::kAvgIterations);
}

Question ask(QuestionKind kind, std::string text) {
    Question q;
    q.kind = kind;
    q.text = std::move(text);
    return q;
}

void BM_FixedLengthTwoKnownLetters(benchmark::State& state) {
    std::vector<Question> questions;
    for (const std::string& sample : stock().samples) {
        std::string pattern(plainSquares(sample).size(), '?');
        const std::string plain = plainSquares(sample);
        pattern[1] = plain[1];
        pattern[pattern.size() - 2] = plain[plain.size() - 2];
        questions.push_back(ask(QuestionKind::Pattern, pattern));
    }
    run(state, questions);
}
BENCHMARK(BM_FixedLengthTwoKnownLetters)->Unit(benchmark::kMicrosecond);

void BM_StarPattern(benchmark::State& state) {
    std::vector<Question> questions;
    for (const std::string& sample : stock().samples) {
        const std::string plain = plainSquares(sample);
        questions.push_back(ask(QuestionKind::Pattern, plain.substr(0, 2) + "*" + plain.back()));
    }
    run(state, questions);
}
BENCHMARK(BM_StarPattern)->Unit(benchmark::kMillisecond);

void BM_StarBothEnds(benchmark::State& state) {
    std::vector<Question> questions;
    for (const std::string& sample : stock().samples)
        questions.push_back(
            ask(QuestionKind::Pattern, "*" + plainSquares(sample).substr(2, 3) + "*"));
    run(state, questions);
}
BENCHMARK(BM_StarBothEnds)->Unit(benchmark::kMillisecond);

void BM_From(benchmark::State& state) {
    run(state, {ask(QuestionKind::From, "AEIOKLMNPRST"), ask(QuestionKind::From, "BARKOLETIS??")});
}
BENCHMARK(BM_From)->Unit(benchmark::kMillisecond);

void BM_Contains(benchmark::State& state) {
    run(state, {ask(QuestionKind::Contains, "KRZ"), ask(QuestionKind::Contains, "FG")});
}
BENCHMARK(BM_Contains)->Unit(benchmark::kMillisecond);

void BM_Anagram(benchmark::State& state) {
    std::vector<Question> questions;
    std::mt19937 rng(5);
    for (const std::string& sample : stock().samples) {
        std::string letters = plainSquares(sample);
        std::shuffle(letters.begin(), letters.end(), rng);
        questions.push_back(ask(QuestionKind::Anagram, letters));
    }
    run(state, questions);
}
BENCHMARK(BM_Anagram)->Unit(benchmark::kMicrosecond);

void BM_Clue(benchmark::State& state) {
    std::vector<Question> questions;
    for (const std::string& sample : stock().samples) {
        Question q;
        q.clue = plainSquares(sample);
        questions.push_back(q);
    }
    run(state, questions);
}
BENCHMARK(BM_Clue)->Unit(benchmark::kMicrosecond);

void BM_ClueWithPattern(benchmark::State& state) {
    std::vector<Question> questions;
    for (const std::string& sample : stock().samples) {
        Question q = ask(QuestionKind::Pattern, "*");
        q.clue = plainSquares(sample).substr(0, 4) + "*";
        questions.push_back(q);
    }
    run(state, questions);
}
BENCHMARK(BM_ClueWithPattern)->Unit(benchmark::kMicrosecond);

// Making the answer space and its index from the records, once: what a first question costs.
void BM_BuildAnswerSpaceAndIndex(benchmark::State& state) {
    const auto entries = generatedEntries();
    for (auto _ : state) {
        AnswerSpaceBuilder builder;
        for (const build::SourceEntry& e : entries)
            builder.addRecord(0, e.headword + '@' + e.meanings[0] + ';');
        const AnswerSpace space = builder.finish();
        const SquareIndex index(space, {});
        benchmark::DoNotOptimize(index.longest());
    }
}
BENCHMARK(BM_BuildAnswerSpaceAndIndex)->Unit(benchmark::kMillisecond)->Iterations(1);

// On the bundled data: what every question pays before it reads any answer. The content stamps
// of the dictionaries, then those with the header of the stored answers.
void BM_StampBundledDictionaries(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(DictionaryContentStamps(ZADROVEC_DATA_DIR));
}
BENCHMARK(BM_StampBundledDictionaries)->Unit(benchmark::kMicrosecond);

void BM_OpenBundledStoredAnswers(benchmark::State& state) {
    for (auto _ : state) {
        RecordedMessages quiet;
        const AnswerSource source(ZADROVEC_DATA_DIR, quiet);
        if (!source.stored().used()) state.SkipWithError(source.stored().describe().c_str());
    }
}
BENCHMARK(BM_OpenBundledStoredAnswers)->Unit(benchmark::kMicrosecond);

// Legends as printed, of three words, on the bundled stock with its stored answers and lemmas:
// asked in a program that has the answers open (as the window has), and the first question of a
// fresh process (as the command line asks it: nothing read before).
const std::array<const char*, 4> kLegends = {"hlavní město Kanady", "chem. zn. stříbra",
                                             "egyptský bůh slunce", "řeka v Itálii"};

void BM_BundledLegend(benchmark::State& state) {
    RecordedMessages quiet;
    AnswerSource source(ZADROVEC_DATA_DIR, quiet);
    std::size_t next = 0;
    for (auto _ : state) {
        Question question;
        question.clue = Cp1250Literal(kLegends[next++ % kLegends.size()]);
        const auto answers = source.ask([&](Solver& solver) { return solver.solve(question); });
        benchmark::DoNotOptimize(answers.data());
    }
}
BENCHMARK(BM_BundledLegend)->Unit(benchmark::kMicrosecond);

void BM_BundledLegendFirstQuestion(benchmark::State& state) {
    Question question;
    question.clue = Cp1250Literal(kLegends[0]);
    question.length = "6";
    for (auto _ : state) {
        RecordedMessages quiet;
        AnswerSource source(ZADROVEC_DATA_DIR, quiet);
        const auto answers = source.ask([&](Solver& solver) { return solver.solve(question); });
        benchmark::DoNotOptimize(answers.data());
    }
}
BENCHMARK(BM_BundledLegendFirstQuestion)->Unit(benchmark::kMillisecond);

// Tajenka patterns over the bundled answers with their phrases: lengths of words only, a letter
// known, stand-alone stars, and one word among them (single words match it too).
const std::array<const char*, 8> kPhrasePatterns = {"????? ?? ????? ????????",
                                                    "??? ?? ???? ?????",
                                                    "K?? ?????? * ?????",
                                                    "* ?????? * ?????",
                                                    "* ?????",
                                                    "K* *",
                                                    "* ???A?",
                                                    "* PES *"};

void BM_BundledPhrasePattern(benchmark::State& state) {
    RecordedMessages quiet;
    AnswerSource source(ZADROVEC_DATA_DIR, quiet);
    Question question;
    question.text = Cp1250Literal(kPhrasePatterns[static_cast<std::size_t>(state.range(0))]);
    state.SetLabel(kPhrasePatterns[static_cast<std::size_t>(state.range(0))]);
    for (auto _ : state) {
        const auto answers = source.ask([&](Solver& solver) { return solver.solve(question); });
        benchmark::DoNotOptimize(answers.data());
    }
}
BENCHMARK(BM_BundledPhrasePattern)
    ->DenseRange(0, kPhrasePatterns.size() - 1)
    ->Unit(benchmark::kMillisecond);

// Ranking the answers of five squares, as the window lists them best first: tens of thousands.
void BM_BundledRankedOrder(benchmark::State& state) {
    RecordedMessages quiet;
    AnswerSource source(ZADROVEC_DATA_DIR, quiet);
    Question question;
    question.text = "?????";
    const auto found = source.ask([&](Solver& solver) { return solver.solve(question); });
    state.counters["answers"] = static_cast<double>(found.size());
    for (auto _ : state) {
        state.PauseTiming();
        auto answers = found;
        state.ResumeTiming();
        source.ask([&](Solver& solver) {
            solver.order(answers, AnswerOrder::Ranked);
            return 0;
        });
        benchmark::DoNotOptimize(answers.data());
    }
}
BENCHMARK(BM_BundledRankedOrder)->Unit(benchmark::kMillisecond);

int writeStock(const fs::path& folder) {
    fs::create_directories(folder);
    auto entries = generatedEntries();
    std::ofstream squares(folder / "squares.txt", std::ios::binary);
    for (const build::SourceEntry& e : entries) {
        squares << plainSquares(UpperCaseCp1250(e.headword)) << '\n';
        squares << plainSquares(UpperCaseCp1250(e.meanings[0])) << '\n';
    }
    const auto built = build::buildDictionary(std::move(entries), "7.12.2026");
    build::writeDictionary(built, (folder / "hlavni").string());
    return squares ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-stock") == 0) return writeStock(argv[2]);
    benchmark::Initialize(&argc, argv);
    std::cerr << "answers: " << stock().space->size() << '\n';
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
