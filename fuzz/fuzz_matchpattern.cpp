// MatchPattern and HoldsText on pattern/headword pairs, held to a plain matcher.
//
// Input: a byte for the star runs, the pattern, its length in one byte, then the headword (the
// rest). The pattern is also tried with each "*" made a run of stars, with stars between all
// its characters, and as a run of thousands of stars around it: the same answers, each held to
// the plain matcher.
#include "engine/dictionary/allsearch.h"
#include "fuzz/fuzzinput.h"
#include "fuzz/referencematch.h"

#include <string>

using namespace zadrovec;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::uint8_t runs = input.byte();
    const std::string_view pattern = input.text();
    const std::string_view headword = input.rest();
    const bool expected = fuzz::referenceMatch(pattern, headword);
    fuzz::require(MatchPattern(pattern, headword) == expected);

    const std::string run(1 + runs % 64, '*');
    std::string longerRuns;
    std::string starsBetween;
    for (const char c : pattern) {
        longerRuns += c == '*' ? run : std::string(1, c);
        starsBetween += c;
        if (runs & 0x80) starsBetween += run;
    }
    for (const std::string& starHeavy : {longerRuns, starsBetween}) {
        const bool reference = fuzz::referenceMatch(starHeavy, headword);
        fuzz::require(MatchPattern(starHeavy, headword) == reference);
        if (starHeavy == longerRuns) fuzz::require(reference == expected);
    }
    // The search field's full length: stars on both sides mean no more than the pattern alone.
    const std::string wide(32767 / 2, '*');
    const std::string surrounded = wide + std::string(pattern) + wide;
    fuzz::require(MatchPattern(surrounded, headword) == expected);
    if (!IsPattern(pattern))
        fuzz::require(HoldsText(pattern, headword) == fuzz::referenceMatch(pattern, headword));
    return 0;
}
