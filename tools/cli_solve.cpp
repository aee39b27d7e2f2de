// solve: crossword answers of all dictionaries by pattern, anagram or letters, and by clue;
// store-answers: the same answers stored beside the dictionaries for a quick start; answers:
// whether the stored answers are used.
#include "engine/solver/answersource.h"
#include "engine/solver/diagnose.h"
#include "engine/solver/legendwords.h"
#include "engine/solver/phrasepattern.h"
#include "engine/solver/solver.h"
#include "engine/text/cp1250.h"
#include "tools/cli_commands.h"
#include "tools/cli_messages.h"
#include "tools/json.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

namespace zadrovec::cli {
namespace {

Question questionOf(const Arguments& arguments) {
    Question question;
    int kinds = 0;
    const auto take = [&](const std::optional<std::string>& text, QuestionKind kind,
                          std::string_view what) {
        if (!text) return;
        ++kinds;
        question.kind = kind;
        question.text = argumentToCp1250(*text, what);
    };
    take(arguments.operands.empty() ? std::nullopt
                                    : std::optional<std::string>(arguments.operands[0]),
         QuestionKind::Pattern, "PATTERN");
    if (arguments.words) {
        ++kinds;
        question.kind = QuestionKind::Pattern;
        try {
            question.text = WordLengthsPattern(*arguments.words);
        } catch (const SolverInputError& error) {
            throw UsageError(std::string("--words: ") + error.what());
        }
    }
    take(arguments.anagram, QuestionKind::Anagram, "--anagram");
    take(arguments.from, QuestionKind::From, "--from");
    take(arguments.contains, QuestionKind::Contains, "--contains");
    if (kinds > 1)
        throw UsageError("give only one of PATTERN, --words, --anagram, --from and --contains");
    if (kinds == 0 && !arguments.clue)
        throw UsageError("give a PATTERN, --words, --anagram, --from, --contains or --clue");
    if (arguments.length) question.length = argumentToCp1250(*arguments.length, "--length");
    if (arguments.exclude) question.exclude = argumentToCp1250(*arguments.exclude, "--exclude");
    if (arguments.clue) question.clue = argumentToCp1250(*arguments.clue, "--clue");
    // An option given empty would look like no option at all to the solver.
    if (arguments.length && arguments.length->empty()) throw UsageError("--length needs N or N-M");
    if (arguments.exclude && question.exclude.empty())
        throw UsageError("--exclude needs at least one letter");
    if (arguments.clue && question.clue.empty()) throw UsageError("--clue needs a pattern");
    question.rules.strict = arguments.strict;
    question.rules.chOneSquare = arguments.ch;
    return question;
}

std::vector<std::string> dictionaryNames(DictionaryMask mask) {
    std::vector<std::string> names;
    for (const std::string_view name : DictionaryNames(mask))
        names.emplace_back(name);
    return names;
}

std::string join(const std::vector<std::string>& items, std::string_view separator) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i > 0 ? std::string(separator) : std::string()) + items[i];
    return out;
}

std::string textOf(const AnswerSpace& space, const std::vector<SolvedAnswer>& answers, bool clues) {
    std::string out;
    for (std::size_t i = 0; i < answers.size();) {
        std::size_t end = i;
        while (end < answers.size() && answers[end].squares == answers[i].squares)
            ++end;
        out += std::to_string(answers[i].squares) + " squares: " + std::to_string(end - i) + '\n';
        for (; i < end; ++i) {
            const SolvedAnswer& answer = answers[i];
            out += terminalText(space.text(answer.text)) + '\t' +
                   join(dictionaryNames(space.dictionaries(answer.text)), ",");
            if (clues) {
                std::vector<std::string> texts;
                for (const std::uint32_t clue : answer.clues)
                    texts.push_back(terminalText(space.text(clue)));
                out += '\t' + join(texts, "; ");
            }
            out += '\n';
        }
    }
    return out;
}

// With a legend every answer has its score and the clue text that matched best.
std::string jsonOf(const AnswerSpace& space, const std::vector<SolvedAnswer>& answers, bool clues,
                   bool legend) {
    std::string out = "{\"answers\": [";
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const SolvedAnswer& answer = answers[i];
        if (i > 0) out += ", ";
        out += "{\"text\": " + json::quoted(Cp1250ToUtf8(space.text(answer.text))) +
               ", \"squares\": " + std::to_string(answer.squares) + ", \"dictionaries\": [";
        const auto names = dictionaryNames(space.dictionaries(answer.text));
        for (std::size_t n = 0; n < names.size(); ++n)
            out += (n > 0 ? ", " : "") + json::quoted(names[n]);
        out += ']';
        if (clues) {
            out += ", \"clues\": [";
            for (std::size_t c = 0; c < answer.clues.size(); ++c)
                out +=
                    (c > 0 ? ", " : "") + json::quoted(Cp1250ToUtf8(space.text(answer.clues[c])));
            out += ']';
        }
        if (legend) {
            char score[32];
            std::snprintf(score, sizeof score, "%.3f", answer.score);
            out += ", \"score\": " + std::string(score);
        }
        out += '}';
    }
    out += "], \"count\": " + std::to_string(answers.size()) + "}\n";
    return out;
}

} // namespace

void sayStoredState(const AnswerSource& source) {
    const StoredAnswersState& stored = source.stored();
    if (stored.kind != StoredAnswersState::Kind::Used &&
        stored.kind != StoredAnswersState::Kind::Missing)
        std::cerr << "zadrovec-cli: stored answers " << stored.describe()
                  << "; the answers are read from the dictionaries\n";
}

// Alphabetical by default, as scripts rely on it; ranked when a clue is given.
AnswerOrder orderOf(const Arguments& arguments) {
    if (!arguments.order) return arguments.clue ? AnswerOrder::Ranked : AnswerOrder::Alphabetical;
    if (*arguments.order == "rank") return AnswerOrder::Ranked;
    if (*arguments.order == "alpha") return AnswerOrder::Alphabetical;
    throw UsageError("--order takes rank or alpha");
}

int runSolve(const Arguments& arguments) {
    const Question question = questionOf(arguments);
    const AnswerOrder order = orderOf(arguments);
    // A question that means nothing is refused before any answers are read.
    if (const std::optional<QuestionProblem> problem = Diagnose(question);
        problem && problem->refused())
        throw UsageError(terminalText(DescribeProblem(*problem, question)));
    TerminalMessages messages;
    AnswerSource source(dataFolder(arguments), messages);
    const bool clues = !question.clue.empty();
    std::string out;
    try {
        out = source.ask([&](Solver& solver) {
            std::vector<SolvedAnswer> answers = solver.solve(question);
            solver.order(answers, order);
            std::vector<std::uint32_t> texts;
            for (const SolvedAnswer& answer : answers) {
                texts.push_back(answer.text);
                texts.insert(texts.end(), answer.clues.begin(), answer.clues.end());
            }
            solver.space().prefetchTexts(texts);
            return arguments.json ? jsonOf(solver.space(), answers, clues,
                                           clues && !IsCluePattern(question.clue))
                                  : textOf(solver.space(), answers, clues);
        });
    } catch (const SolverInputError& error) {
        throw UsageError(terminalText(error.what()));
    }
    sayStoredState(source);
    std::cout << out;
    return source.openedDictionaries() == 0 || source.readError() ? kExitFailure : kExitOk;
}

int runStoreAnswers(const Arguments& arguments) {
    TerminalMessages messages;
    const AnswerExtras extras{arguments.wordForms.value_or(""),
                              arguments.wordFrequencies.value_or("")};
    StoreAnswerSpace(dataFolder(arguments), messages, extras); // a failure is thrown and told
    return kExitOk;
}

int runAnswers(const Arguments& arguments) {
    const std::string folder = dataFolder(arguments);
    const std::string path = (std::filesystem::path(folder) / kAnswerFileName).string();
    OpenedAnswerFile opened = OpenAnswerFile(path, DictionaryContentStamps(folder));
    StoredAnswersState state = opened.state;
    // Every array read and checked, so that a damaged one is named now, not in a later question.
    if (opened.space) state = VerifyStoredAnswers(*opened.space);
    std::cout << Cp1250ToUtf8(path) << ": " << state.describe();
    if (state.used())
        std::cout << " (" << opened.space->size() << " answers, "
                  << std::filesystem::file_size(path) << " bytes)";
    std::cout << '\n';
    return state.used() ? kExitOk : kExitFailure;
}

} // namespace zadrovec::cli
