// MatchPattern and HoldsText on pattern/headword pairs, held to a plain matcher.
//
// Input: the pattern, its length in one byte, then the headword (the rest).
#include "allsearch.h"
#include "fuzzinput.h"
#include "referencematch.h"

using namespace zadrovec;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::string_view pattern = input.text();
    const std::string_view headword = input.rest();
    fuzz::require(MatchPattern(pattern, headword) == fuzz::referenceMatch(pattern, headword));
    if (!IsPattern(pattern))
        fuzz::require(HoldsText(pattern, headword) == fuzz::referenceMatch(pattern, headword));
    return 0;
}
