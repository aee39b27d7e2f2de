// The solver: squares of Czech texts, the pattern language, the answer space read from the
// dictionaries, and every kind of question with its filters.
#include "engine/solver/answerspace.h"
#include "engine/solver/phrasepattern.h"
#include "engine/solver/solver.h"
#include "tests/engine/fixture.h"

#include <gtest/gtest.h>

using namespace zadrovec;
using namespace zadrovec::testing;

namespace {

using Texts = std::vector<std::string>;

const SquareRules kStrict{true, false};
const SquareRules kCh{false, true};
const SquareRules kStrictCh{true, true};

Question ask(QuestionKind kind, std::string text, std::string length = "", std::string exclude = "",
             std::string clue = "", SquareRules rules = {}) {
    Question q;
    q.kind = kind;
    q.text = std::move(text);
    q.length = std::move(length);
    q.exclude = std::move(exclude);
    q.clue = std::move(clue);
    q.rules = rules;
    return q;
}

std::size_t squareCount(std::string_view utf8, SquareRules rules = {}) {
    Squares squares;
    return TextSquares(cp(utf8), rules, squares) ? squares.size() : 0;
}

bool matches(std::string_view pattern, std::string_view answer, SquareRules rules = {}) {
    const SquarePattern compiled(cp(pattern), rules, QuestionField::Pattern);
    Squares squares;
    if (!TextSquares(cp(answer), rules, squares)) return false;
    return compiled.matches(squares.data(), squares.size());
}

std::string patternError(std::string_view pattern) {
    try {
        SquarePattern(cp(pattern), {}, QuestionField::Pattern);
    } catch (const SolverInputError& error) {
        return error.what();
    }
    return "";
}

TEST(Squares, UpperCaseCoversEveryWindows1250Letter) {
    EXPECT_EQ(UpperCaseCp1250(cp("koňská síla")), cp("KOŇSKÁ SÍLA"));
    EXPECT_EQ(UpperCaseCp1250(cp("łódź ľubovňa ŕ ä ö ű ţ ş ż")), cp("ŁÓDŹ ĽUBOVŇA Ŕ Ä Ö Ű Ţ Ş Ż"));
    EXPECT_EQ(UpperCaseCp1250(cp("ß µ 1-2 ÷")), cp("ß µ 1-2 ÷")); // no capital in the code page
}

TEST(Squares, OnlyLettersTakeSquaresAndDigitsMakeNoAnswer) {
    EXPECT_EQ(squareCount("A.B.C."), 3u);
    EXPECT_EQ(squareCount("KOŇSKÁ SÍLA"), 10u);
    EXPECT_EQ(squareCount("Rolls-Royce"), 10u);
    EXPECT_EQ(squareCount("BOEING 747"), 0u);
    EXPECT_EQ(squareCount("-- . --"), 0u);
    EXPECT_EQ(squareCount(""), 0u);
}

TEST(Squares, AnswersAreLettersWithPunctuationBetweenThem) {
    for (const char* answer : {"KŮŇ", "A.B.C.", "ROLLS-ROYCE", "O'NEILL", "ATD.", "Č, Ř",
                               "BEZ PRÁCE NEJSOU KOLÁČE!", "KDO? CO? – NIKDO"})
        EXPECT_TRUE(IsAnswerText(cp(answer))) << answer;
    for (const char* clue :
         {"-ISMUS", "AERO-", "°C", "µA", "F1", "HUSTÁ TMAVÁ…", "A - B", "", ". ,", "NOC (NĚMECKY)"})
        EXPECT_FALSE(IsAnswerText(cp(clue))) << clue;
}

TEST(Squares, DiacriticsFoldUnlessStrictAndChIsTheLettersCAndH) {
    EXPECT_TRUE(matches("KUN", "kůň"));
    EXPECT_TRUE(matches("LODZ", "Łódź"));
    EXPECT_TRUE(matches("kůň", "KUN")); // what the user types folds too
    EXPECT_FALSE(matches("KUN", "KŮŇ", kStrict));
    EXPECT_TRUE(matches("KŮŇ", "kůň", kStrict));
    EXPECT_EQ(squareCount("CHOCHOL", kCh), 5u);
    EXPECT_EQ(squareCount("C-H", kCh), 1u);
    EXPECT_EQ(squareCount("ČH", kStrictCh), 2u);
    EXPECT_EQ(squareCount("ČH", kCh), 2u); // squares first, folded after: Č is no C of CH
    EXPECT_EQ(squareCount("ČHMÚ", kCh), 4u);
    EXPECT_TRUE(matches("?O?OL", "CHOCHOL", kCh));
    EXPECT_TRUE(matches("CH????", "CHOCHOL", kCh));
    EXPECT_FALSE(matches("CH???", "CHOCHOL", kCh));
    EXPECT_TRUE(matches("[CH]O#O#", "CHOCHOL", kCh)); // CH is a consonant
    EXPECT_FALSE(matches("C?OCHOL", "CHOCHOL", kCh));
}

TEST(PhrasePattern, WordsByTheirSquaresWithStandAloneStars) {
    struct Row {
        const char *pattern, *phrase;
        SquareRules rules;
        bool matches;
    };
    const Row rows[] = {
        {"????? ?? ???", "Kočka na plotě", {}, false}, // 5 2 5
        {"????? ?? ?????", "Kočka na plotě", {}, true},
        {"K* ?? P*", "Kočka na plotě.", {}, true},      // a run within a word
        {"K* P*", "Kočka na plotě", {}, false},         // a word's star stays in its word
        {"K* * P*", "Kočka na plotě", {}, true},        // a stand-alone star: whole words
        {"K* * * NA * P*", "Kočka na plotě", {}, true}, // none as well
        {"* PLOTĚ", "Kočka, na plotě!", {}, true},      // punctuation skipped
        {"ROLLS ROYCE", "Rolls-Royce", {}, true},       // a hyphen parts words
        {"KUN ??", "Kůň je", {}, true},
        {"KUN ??", "Kůň je", kStrict, false},
        {"??? ???", "chci víc", kCh, true}, // CH within a word is one square
        {"?? ??", "AC HA", kCh, true},      // never across words
        {"?   ??", "A  BC", {}, true},      // repeated spaces are one
    };
    for (const Row& row : rows) {
        const PhrasePattern pattern(cp(row.pattern), row.rules, QuestionField::Pattern);
        EXPECT_EQ(pattern.matches(TextWords(cp(row.phrase), row.rules)), row.matches)
            << row.pattern << " / " << row.phrase;
        // The lengths of the words never refuse a match, and decide only for "?" and "*".
        std::vector<std::uint8_t> lengths;
        AppendWordSquares(cp(row.phrase), row.rules, lengths);
        const auto byLengths = pattern.matchLengths(lengths);
        if (row.matches) {
            EXPECT_NE(byLengths, PhrasePattern::LengthMatch::No) << row.pattern;
        } else {
            EXPECT_NE(byLengths, PhrasePattern::LengthMatch::Yes) << row.pattern;
        }
    }
    EXPECT_THROW(PhrasePattern("   ", {}, QuestionField::Pattern), SolverInputError);
    EXPECT_EQ(WordLengthsPattern("5,2,3"), "????? ?? ???");
    for (const char* lengths : {"", "5,,2", "0", "5;2", "101", "2,x"})
        EXPECT_THROW(WordLengthsPattern(lengths), SolverInputError) << lengths;
}

TEST(SquarePattern, WildcardsSetsAndVowels) {
    EXPECT_TRUE(matches("h?rka", "HERKA"));
    EXPECT_FALSE(matches("H?RKA", "HERKAN"));
    EXPECT_TRUE(matches("*KA", "HERKA"));
    EXPECT_TRUE(matches("H*", "H"));
    EXPECT_TRUE(matches("*E*A*", "HERKA"));
    EXPECT_FALSE(matches("*E*E*", "HERKA"));
    // A run of stars is one star, however long: it costs one pass, not one per star.
    EXPECT_TRUE(matches(std::string(40'000, '*') + "KA" + std::string(40'000, '*'), "HERKA"));
    EXPECT_EQ(SquarePattern(std::string(32'767, '*'), {}, QuestionField::Pattern).steps().size(),
              1u);
    EXPECT_TRUE(matches("#@#@", "MÁMA"));
    EXPECT_TRUE(matches("@", "ý"));
    EXPECT_FALSE(matches("#", "Y"));
    EXPECT_TRUE(matches("[PM]ES", "MES"));
    EXPECT_FALSE(matches("[!PM]ES", "PES"));
    EXPECT_TRUE(matches("[^PM]ES", "LES"));
    EXPECT_TRUE(matches("P?S", "P-E-S"));
}

TEST(SquarePattern, MeaninglessPatternsSayWhatIsWrong) {
    EXPECT_NE(patternError("").find("empty"), std::string::npos);
    EXPECT_NE(patternError("A1").find("digit"), std::string::npos);
    EXPECT_NE(patternError("A B").find("space"), std::string::npos);
    EXPECT_NE(patternError("A[BC").find("without its"), std::string::npos);
    EXPECT_NE(patternError("A[]").find("empty set"), std::string::npos);
    EXPECT_NE(patternError("A[!]").find("empty set"), std::string::npos);
    EXPECT_NE(patternError("A[B?]").find("no letter"), std::string::npos);
    EXPECT_NE(patternError("A-B").find("\"-\""), std::string::npos);
    EXPECT_NE(patternError("AB]").find("without its"), std::string::npos);
}

TEST(SquarePattern, OptionLettersAllowBlanksOnlyWhereAsked) {
    const OptionLetters letters = ParseOptionLetters("AB?C", {}, QuestionField::Anagram);
    EXPECT_EQ(letters.letters.size(), 3u);
    EXPECT_EQ(letters.blanks, 1u);
    EXPECT_THROW(ParseOptionLetters("AB?", {}, QuestionField::Contains), SolverInputError);
    EXPECT_THROW(ParseOptionLetters("", {}, QuestionField::From), SolverInputError);
    EXPECT_THROW(ParseOptionLetters("A1", {}, QuestionField::From), SolverInputError);
    // C?H is two letters and a blank, never the CH square.
    EXPECT_EQ(ParseOptionLetters("C?H", kCh, QuestionField::Anagram).letters.size(), 2u);
    EXPECT_EQ(ParseOptionLetters("CH", kCh, QuestionField::Anagram).letters.size(), 1u);
}

TEST(LengthRange, NumbersAndRanges) {
    EXPECT_EQ(ParseLengthRange("5").shortest, 5u);
    EXPECT_EQ(ParseLengthRange("5").longest, 5u);
    EXPECT_EQ(ParseLengthRange("3-7").longest, 7u);
    for (const char* bad : {"0", "7-3", "", "x", "3-", "-3", "3-x"})
        EXPECT_THROW(ParseLengthRange(bad), SolverInputError) << bad;
}

// Two small dictionaries: the pairs cross them and go both ways.
class SolverOnDictionaries : public ::testing::Test {
protected:
    void SetUp() override {
        writeDictionary(folder, "hlavni",
                        sortedDictionary({cp("HERKA@kobyla;stará herka;"), cp("KŮŇ@hřebec;kobyla;"),
                                          cp("KUN@lesní šelma;"), cp("CHOCHOL@chochol;vrchol;"),
                                          cp("MES@ mezek ;;  ;"), cp("BEZ ZAVINÁČE"), cp("MPZ@F1;"),
                                          cp("PES@hafan;čokl;zbytek")}));
        writeDictionary(folder, "mesta",
                        sortedDictionary({cp("KOBYLA@herka;"), cp("BRNO@město;")}));
    }

    std::shared_ptr<const AnswerSpace> load() {
        return ReadAnswerSpace(folder.path().string(), messages).space;
    }

    Texts texts(const AnswerSpace& from, const std::vector<SolvedAnswer>& answers) {
        Texts out;
        for (const SolvedAnswer& a : answers)
            out.emplace_back(from.text(a.text));
        return out;
    }

    Texts solve(const Question& question) {
        if (!space) space = load();
        if (!solver) solver = std::make_unique<Solver>(space);
        const auto viaIndex = texts(*space, solver->solve(question));
        EXPECT_EQ(viaIndex, texts(*space, solver->solveByScan(question)));
        return viaIndex;
    }

    TempFolder folder;
    RecordedMessages messages;
    std::shared_ptr<const AnswerSpace> space;
    std::unique_ptr<Solver> solver;
};

TEST_F(SolverOnDictionaries, AnswersAreUpperCaseTextsOnceWithTheirDictionaries) {
    const LoadedAnswers loaded = ReadAnswerSpace(folder.path().string(), messages);
    const AnswerSpace& s = *loaded.space;
    EXPECT_EQ(loaded.openedDictionaries, 2);
    // The six missing dictionaries are told, each by name and place; the two additional ones
    // are not looked for.
    ASSERT_EQ(messages.shown.size(), 6u);
    EXPECT_EQ(messages.shown[0].rfind(cp("Slovník chzn (") + folder.file("chzn.dat") + "): ", 0),
              0u)
        << messages.shown[0];
    Texts all;
    for (std::uint32_t id = 0; id < s.size(); ++id)
        all.emplace_back(s.text(id));
    EXPECT_NE(std::find(all.begin(), all.end(), cp("STARÁ HERKA")), all.end());
    EXPECT_NE(std::find(all.begin(), all.end(), "MEZEK"), all.end());  // trimmed
    EXPECT_EQ(std::find(all.begin(), all.end(), "ZBYTEK"), all.end()); // no ";" after it
    EXPECT_EQ(std::find(all.begin(), all.end(), cp("BEZ ZAVINÁČE")), all.end());
    EXPECT_EQ(std::find(all.begin(), all.end(), ""), all.end());
    // In Czech order: CH after H.
    const auto herka = std::find(all.begin(), all.end(), "HERKA");
    const auto chochol = std::find(all.begin(), all.end(), "CHOCHOL");
    EXPECT_LT(herka, chochol);
    const auto kobyla =
        static_cast<std::uint32_t>(std::find(all.begin(), all.end(), "KOBYLA") - all.begin());
    EXPECT_EQ(DictionaryNames(s.dictionaries(kobyla)),
              (std::vector<std::string_view>{"hlavni", "mesta"}));
}

TEST_F(SolverOnDictionaries, AdditionalDictionariesCountWhenTheirFilesAreThere) {
    writeDictionary(folder, "slova", sortedDictionary({cp("ŽÍŽALA@červ;")}));
    writeBytes(folder.file("cizi.dat"), wordFile(sortedDictionary({cp("XENON@plyn;")})));
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "ZIZALA")), Texts{cp("ŽÍŽALA")});
    EXPECT_TRUE(solve(ask(QuestionKind::Pattern, "XENON")).empty()); // its index is missing
    EXPECT_EQ(messages.shown.size(), 6u);
}

TEST_F(SolverOnDictionaries, PatternsAreOrderedBySquaresThenCzech) {
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "K*")), (Texts{"KUN", cp("KŮŇ"), "KOBYLA"}));
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "k?n")), (Texts{"KUN", cp("KŮŇ")}));
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "K?N", "", "", "", kStrict)), Texts{"KUN"});
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "*A", "6-11")),
              (Texts{"KOBYLA", cp("LESNÍ ŠELMA"), cp("STARÁ HERKA")}));
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "???OL", "", "", "", kCh)),
              (Texts{"CHOCHOL", "VRCHOL"}));
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "???OL")), Texts{});
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "?????", "", "ak")), Texts{cp("MĚSTO")});
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "F?")), Texts{}); // F1 has a digit
}

TEST_F(SolverOnDictionaries, RankingOnlyTheFirstAnswersKeepsTheRestInTheirGroups) {
    solve(ask(QuestionKind::Pattern, "*")); // loads the answers and the solver
    const std::vector<SolvedAnswer> found = solver->solve(ask(QuestionKind::Pattern, "*"));
    std::vector<SolvedAnswer> whole = found;
    solver->order(whole, AnswerOrder::Ranked);
    const auto squaresOf = [](const std::vector<SolvedAnswer>& answers) {
        std::vector<std::size_t> squares;
        for (const SolvedAnswer& a : answers)
            squares.push_back(a.squares);
        return squares;
    };
    for (std::size_t first = 0; first <= found.size(); ++first) {
        std::vector<SolvedAnswer> part = found;
        solver->order(part, AnswerOrder::Ranked, first);
        EXPECT_EQ(squaresOf(part), squaresOf(found)) << first;
        const Texts partTexts = texts(*space, part), wholeTexts = texts(*space, whole);
        EXPECT_TRUE(std::equal(partTexts.begin(), partTexts.begin() + first, wholeTexts.begin()))
            << first;
        EXPECT_TRUE(std::is_permutation(partTexts.begin(), partTexts.end(), wholeTexts.begin()))
            << first;
    }
    std::vector<SolvedAnswer> unsorted(found.rbegin(), found.rend());
    solver->order(unsorted, AnswerOrder::Ranked, 1);
    EXPECT_EQ(texts(*space, unsorted), texts(*space, whole)); // ranked whole
}

TEST_F(SolverOnDictionaries, AnagramFromAndContains) {
    EXPECT_EQ(solve(ask(QuestionKind::Anagram, "akreh")), Texts{"HERKA"});
    EXPECT_EQ(solve(ask(QuestionKind::Anagram, "ONUK")), Texts{}); // none of 4
    EXPECT_EQ(solve(ask(QuestionKind::Anagram, "N?K")), (Texts{"KUN", cp("KŮŇ")}));
    EXPECT_EQ(solve(ask(QuestionKind::From, "SEPNUK")), (Texts{"KUN", cp("KŮŇ"), "PES"}));
    EXPECT_EQ(solve(ask(QuestionKind::From, "PS?")), Texts{"PES"});
    EXPECT_EQ(solve(ask(QuestionKind::From, "PEKS", "1-2")), Texts{});
    EXPECT_EQ(solve(ask(QuestionKind::Contains, "OO")), Texts{"CHOCHOL"});
    EXPECT_EQ(solve(ask(QuestionKind::Contains, "CHL", "", "", "", kCh)),
              (Texts{"CHOCHOL", "VRCHOL"}));
}

TEST_F(SolverOnDictionaries, CluesCountBothWays) {
    // KOBYLA is a meaning of HERKA and of KŮŇ, and a headword whose meaning is HERKA.
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "??????", "", "", "HERK?")), Texts{"KOBYLA"});
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "", "", "", "KOBYL?")), (Texts{cp("KŮŇ"), "HERKA"}));
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "", "", "", "kobyl?", kStrict)),
              (Texts{cp("KŮŇ"), "HERKA"}));
    EXPECT_EQ(solve(ask(QuestionKind::Anagram, "AKREH", "", "", "K*")), Texts{"HERKA"});
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "", "", "", "ZBYTE?")), Texts{});
    const auto withClues = solver->solve(ask(QuestionKind::Pattern, "", "", "", "*A"));
    ASSERT_FALSE(withClues.empty());
    const auto kun = std::find_if(withClues.begin(), withClues.end(),
                                  [&](const auto& a) { return space->text(a.text) == cp("KŮŇ"); });
    ASSERT_NE(kun, withClues.end());
    EXPECT_EQ(texts(*space, {{kun->clues[0], 0, {}}}), Texts{"KOBYLA"});
}

TEST_F(SolverOnDictionaries, WordPartsSymbolsAndCutTextsAreCluesOnly) {
    writeDictionary(
        folder, "podniky",
        sortedDictionary({cp("-ISMUS@směr;"), cp("TEPLOTA@°C;"),
                          cp("DEHET@hustá tmavá olejovitá kapalina…;"), cp("BLU-RAY@disk;")}));
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "?ISMUS")), Texts{});
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "?")), Texts{});
    EXPECT_EQ(solve(ask(QuestionKind::Anagram, "SUMSI")), Texts{});
    // The longest text is only a clue: the lists by length still reach it (with any rules).
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "HUST*")), Texts{});
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "HUST*", "", "", "", kCh)), Texts{});
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "BLURAY")), Texts{"BLU-RAY"});
    // As clues they still lead to their answers.
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "", "", "", "ISMUS")), Texts{cp("SMĚR")});
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "", "", "", "HUST*")), Texts{"DEHET"});
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "", "", "", "C")), Texts{"TEPLOTA"});
}

TEST_F(SolverOnDictionaries, PhrasesComeFromTheirFileAndAnswerPatternsOfWords) {
    writeBytes(folder.file("fraze.txt"),
               cp("# phrases\nKdo jinému jámu kopá, sám do ní padá.@přísloví;\n"
                  "Kdo nic nedělá, nic nezkazí.@přísloví;\n"));
    const Texts proverb{cp("KDO JINÉMU JÁMU KOPÁ, SÁM DO NÍ PADÁ.")};
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "??? ?????? ???? ???? ??? ?? ?? ????")), proverb);
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, cp("KDO * PADÁ"))), proverb);
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "KDO*PADA")), proverb); // by its squares alone
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "KDO * ??", "", "", cp("přísloví"))).size(), 0u);
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "* ??? * ?* *", "", "J")),
              Texts{cp("KDO NIC NEDĚLÁ, NIC NEZKAZÍ.")});
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "* NIC *", "", "", cp("přísloví"))),
              Texts{cp("KDO NIC NEDĚLÁ, NIC NEZKAZÍ.")});
    // One word among stars: single words of its squares, and phrases by their last word.
    EXPECT_EQ(solve(ask(QuestionKind::Pattern, "* ?????", "", "L")),
              (Texts{"HAFAN", "HERKA", cp("MĚSTO"), "MEZEK", cp("STARÁ HERKA")}));
}

TEST_F(SolverOnDictionaries, CluesOfAWordComparedBySquares) {
    const std::shared_ptr<const AnswerSpace> s = load();
    Solver own(s);
    Texts found;
    std::vector<DictionaryMask> dictionaries;
    for (const AnswerPartner& p : own.clues("kun", false)) {
        found.emplace_back(s->text(p.text));
        dictionaries.push_back(p.dictionaries);
    }
    EXPECT_EQ(found, (Texts{cp("HŘEBEC"), "KOBYLA", cp("LESNÍ ŠELMA")}));
    EXPECT_EQ(dictionaries, (std::vector<DictionaryMask>{1, 1, 1}));
    EXPECT_EQ(own.clues("kun", true).size(), 1u);
    EXPECT_EQ(own.clues(cp("herka"), false).size(), 2u); // KOBYLA of two dictionaries
    EXPECT_THROW(own.clues("123", false), SolverInputError);
}

TEST_F(SolverOnDictionaries, QuestionsThatMeanNothing) {
    Solver own(load());
    EXPECT_THROW(own.solve(Question{}), SolverInputError);
    EXPECT_THROW(own.solve(ask(QuestionKind::Pattern, "A", "0")), SolverInputError);
    EXPECT_THROW(own.solve(ask(QuestionKind::Pattern, "A", "", "?")), SolverInputError);
    EXPECT_THROW(own.solve(ask(QuestionKind::Contains, "A?")), SolverInputError);
    EXPECT_THROW(own.solve(ask(QuestionKind::Anagram, "")), SolverInputError);
    EXPECT_THROW(own.solve(ask(QuestionKind::Pattern, "A", "", "", "1?")), SolverInputError);
}

} // namespace
