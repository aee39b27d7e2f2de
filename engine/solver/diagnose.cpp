#include "engine/solver/diagnose.h"

#include "engine/solver/legendwords.h"
#include "engine/solver/phrasepattern.h"
#include "engine/solver/solverpattern.h"

namespace zadrovec {
namespace {

// The fields as the solver reads them; throws SolverInputError for the first it refuses.
struct ReadFields {
    std::optional<SquarePattern> pattern;                // a pattern of squares: one without spaces
    QuestionField lettersField = QuestionField::Pattern; // of the letters; Pattern for none
    std::optional<OptionLetters> letters;
    std::optional<LengthRange> range;
    SquareSet excluded;

    explicit ReadFields(const Question& question) {
        const SquareRules& rules = question.rules;
        lettersField = LettersField(question.kind);
        if (lettersField != QuestionField::Pattern)
            letters = ParseOptionLetters(question.text, rules, lettersField);
        else if (question.text.find(' ') != std::string::npos)
            PhrasePattern(question.text, rules, QuestionField::Pattern);
        else if (!question.text.empty())
            pattern.emplace(question.text, rules, QuestionField::Pattern);
        if (IsCluePattern(question.clue)) SquarePattern(question.clue, rules, QuestionField::Clue);
        if (question.kind == QuestionKind::Pattern && question.text.empty() &&
            question.clue.empty())
            throw SolverInputError({QuestionField::Question, QuestionReason::NothingAsked}, {});
        if (!question.length.empty()) range = ParseLengthRange(question.length);
        if (!question.exclude.empty())
            for (const Square s :
                 ParseOptionLetters(question.exclude, rules, QuestionField::Exclude).letters)
                excluded.set(s);
    }
};

bool outside(const std::optional<LengthRange>& range, std::size_t squares) {
    return range && (squares < range->shortest || squares > range->longest);
}

// The first letter typed whose square is excluded too; text is the field's.
std::optional<QuestionProblem> excludedLetter(std::string_view text, QuestionField field,
                                              const Squares& letters,
                                              const std::vector<std::size_t>& positions,
                                              const SquareSet& excluded) {
    for (std::size_t k = 0; k < letters.size(); ++k)
        if (excluded.test(letters[k]))
            return QuestionProblem{field, QuestionReason::LetterAlsoExcluded, positions[k],
                                   text[positions[k]]};
    return std::nullopt;
}

std::optional<QuestionProblem> patternContradiction(const Question& question,
                                                    const ReadFields& fields) {
    const SquarePattern& pattern = *fields.pattern;
    const std::size_t least = pattern.minimumLength();
    const auto against = [&](QuestionReason reason) {
        return QuestionProblem{QuestionField::Pattern, reason, 0, 0, least};
    };
    if (!pattern.hasStar() && outside(fields.range, least))
        return against(QuestionReason::SquaresAgainstLength);
    if (pattern.hasStar() && fields.range && least > fields.range->longest)
        return against(QuestionReason::AtLeastSquaresAgainstLength);
    return excludedLetter(question.text, QuestionField::Pattern, pattern.letters(),
                          pattern.letterPositions(), fields.excluded);
}

std::optional<QuestionProblem> lettersContradiction(const Question& question,
                                                    const ReadFields& fields) {
    const QuestionField field = fields.lettersField;
    const std::size_t given = fields.letters->letters.size() + fields.letters->blanks;
    const auto against = [&](QuestionReason reason) {
        return QuestionProblem{field, reason, 0, 0, given};
    };
    const std::optional<LengthRange>& range = fields.range;
    switch (question.kind) {
    case QuestionKind::Anagram:
        if (outside(range, given)) return against(QuestionReason::SquaresAgainstLength);
        break;
    case QuestionKind::From:
        if (range && range->shortest > given)
            return against(QuestionReason::AtMostSquaresAgainstLength);
        return std::nullopt; // an excluded letter is one not used
    case QuestionKind::Contains:
        if (range && range->longest < given)
            return against(QuestionReason::AtLeastSquaresAgainstLength);
        break;
    case QuestionKind::Pattern:
        break;
    }
    return excludedLetter(question.text, field, fields.letters->letters, fields.letters->positions,
                          fields.excluded);
}

} // namespace

std::optional<QuestionProblem> Diagnose(const Question& question) {
    try {
        const ReadFields fields(question);
        // A pattern of words is the solver's to match.
        if (fields.pattern) return patternContradiction(question, fields);
        if (fields.letters) return lettersContradiction(question, fields);
        return std::nullopt;
    } catch (const SolverInputError& error) {
        return error.problem();
    }
}

std::string DescribeProblem(const QuestionProblem& problem, const Question& question) {
    // A contradiction is told against the length.
    std::string_view text = question.length;
    if (problem.refused()) {
        switch (problem.field) {
        case QuestionField::Pattern:
        case QuestionField::Anagram:
        case QuestionField::From:
        case QuestionField::Contains:
            text = question.text;
            break;
        case QuestionField::Clue:
            text = question.clue;
            break;
        case QuestionField::Exclude:
            text = question.exclude;
            break;
        default:
            break;
        }
    }
    return DescribeProblem(problem, text);
}

} // namespace zadrovec
