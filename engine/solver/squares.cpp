#include "engine/solver/squares.h"

#include "engine/text/cp1250.h"

#include <array>

namespace zadrovec {
namespace {

constexpr Square kNoSquare = 0xFF;

struct SquareTables {
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> folded{}; // of a capital: without its diacritics
    std::array<bool, 256> letter{};
    std::array<Square, 256> square{}; // of a capital byte
    std::array<unsigned char, kSquareCount> byte{};
    Square ch = kNoSquare;
    SquareSet all;
    SquareSet vowels;

    SquareTables() {
        for (int b = 0; b < 256; ++b) {
            upper[b] = static_cast<unsigned char>(b);
            folded[b] = static_cast<unsigned char>(b);
            square[b] = kNoSquare;
        }
        const auto pair = [this](unsigned char small, unsigned char capital) {
            upper[small] = capital;
            letter[small] = letter[capital] = true;
        };
        for (int c = 'a'; c <= 'z'; ++c)
            pair(static_cast<unsigned char>(c), static_cast<unsigned char>(c - 32));
        const std::string smalls = Cp1250Literal("šśťžźłąşľż");
        const std::string capitals = Cp1250Literal("ŠŚŤŽŹŁĄŞĽŻ");
        for (std::size_t i = 0; i < smalls.size(); ++i)
            pair(static_cast<unsigned char>(smalls[i]), static_cast<unsigned char>(capitals[i]));
        for (int b = 0xE0; b <= 0xFE; ++b)
            if (b != 0xF7) pair(static_cast<unsigned char>(b), static_cast<unsigned char>(b - 32));
        // Small letters without a capital in the code page: sharp s and micro sign.
        letter[0xDF] = letter[0xB5] = true;

        const std::string accented = Cp1250Literal("ŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎĐŃŇÓÔŐÖŘŮÚŰÜÝŢŠŚŤŽŹŁĄŞĽŻ");
        const std::string plain = "RAAAALCCCEEEEIIDDNNOOOORUUUUYTSSTZZLASLZ";
        for (std::size_t i = 0; i < accented.size(); ++i)
            folded[static_cast<unsigned char>(accented[i])] = static_cast<unsigned char>(plain[i]);

        Square next = 0;
        for (int b = 0; b < 256; ++b)
            if (letter[b] && upper[b] == b) {
                square[b] = next;
                byte[next] = static_cast<unsigned char>(b);
                ++next;
            }
        ch = next++;
        for (Square s = 0; s < next; ++s)
            all.set(s);
        for (Square s = 0; s < ch; ++s) {
            const unsigned char base = folded[byte[s]];
            if (std::string_view("AEIOUY").find(static_cast<char>(base)) != std::string_view::npos)
                vowels.set(s);
        }
    }
};

const SquareTables& tables() {
    static const SquareTables t;
    return t;
}

} // namespace

bool IsCp1250Letter(unsigned char byte) {
    return tables().letter[byte];
}

std::string UpperCaseCp1250(std::string_view text) {
    const SquareTables& t = tables();
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(t.upper[static_cast<unsigned char>(c)]);
    return out;
}

std::string FoldedCapitals(std::string_view text) {
    const SquareTables& t = tables();
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(t.folded[t.upper[static_cast<unsigned char>(c)]]);
    return out;
}

Square LetterSquare(unsigned char letter, bool strict) {
    const SquareTables& t = tables();
    const unsigned char capital = t.upper[letter];
    return t.square[strict ? capital : t.folded[capital]];
}

namespace {

// started(i) for each square appended, i the place of its first letter.
template <typename Started>
void appendLetterSquares(std::string_view letters, const SquareRules& rules, Squares& out,
                         Started started) {
    const SquareTables& t = tables();
    for (std::size_t i = 0; i < letters.size(); ++i) {
        started(i);
        const unsigned char capital = t.upper[static_cast<unsigned char>(letters[i])];
        // CH is the letters C and H themselves: the squares are formed before diacritics are
        // folded, so Č followed by H stays two squares.
        if (rules.chOneSquare && capital == 'C' && i + 1 < letters.size() &&
            t.upper[static_cast<unsigned char>(letters[i + 1])] == 'H') {
            out.push_back(t.ch);
            ++i;
            continue;
        }
        out.push_back(LetterSquare(capital, rules.strict));
    }
}

} // namespace

void LetterSquares(std::string_view letters, const SquareRules& rules, Squares& out) {
    appendLetterSquares(letters, rules, out, [](std::size_t) {});
}

void LetterSquares(std::string_view letters, const SquareRules& rules, Squares& out,
                   std::vector<std::size_t>& starts, std::size_t offset) {
    appendLetterSquares(letters, rules, out, [&](std::size_t i) { starts.push_back(offset + i); });
}

bool TextSquares(std::string_view text, const SquareRules& rules, Squares& out) {
    const SquareTables& t = tables();
    std::string letters;
    letters.reserve(text.size());
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= '0' && b <= '9') return false;
        if (t.letter[b]) letters += c;
    }
    if (letters.empty()) return false;
    LetterSquares(letters, rules, out);
    return true;
}

bool IsAnswerText(std::string_view text) {
    constexpr unsigned char kMicroSign = 0xB5; // a letter to Unicode, a symbol to a solver
    const auto letterAt = [&text](std::size_t i) {
        const auto b = static_cast<unsigned char>(text[i]);
        return IsCp1250Letter(b) && b != kMicroSign;
    };
    bool hasLetter = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (letterAt(i)) {
            hasLetter = true;
            continue;
        }
        const char c = text[i];
        // The punctuation of a phrase; an en dash only between words.
        if (std::string_view(" .,'!?:;").find(c) != std::string_view::npos) continue;
        if (c == '\x96' && i > 0 && text[i - 1] == ' ') continue;
        if (c == '-' && i > 0 && i + 1 < text.size() && letterAt(i - 1) && letterAt(i + 1))
            continue;
        return false;
    }
    return hasLetter;
}

const SquareSet& AllSquares() {
    return tables().all;
}

const SquareSet& VowelSquares() {
    return tables().vowels;
}

} // namespace zadrovec
