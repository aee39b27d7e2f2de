// The user dictionary from the fuzz input, its lines held to a plain reading of the line rules.
//
// Input: a byte that, when not zero, puts that many bytes of the input before the end of the
// reader's 64 KiB buffer (a long first line fills the rest), a meaning to remove (its length in
// one byte), then the file's bytes.
#include "engine/dictionary/userdict.h"
#include "engine/files/ioerror.h"
#include "fuzz/fuzzinput.h"

#include <vector>

using namespace zadrovec;

namespace {

constexpr std::size_t kReaderBuffer = 64 * 1024;

// A line ends at CR (with one LF right after it), or at LF; Ctrl+Z ends the file.
std::vector<std::string> referenceLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes.size() && bytes[at] != 26) {
        const std::size_t stop = std::min(bytes.find_first_of("\r\n\x1a", at), bytes.size());
        lines.emplace_back(bytes.substr(at, stop - at));
        at = stop;
        if (at == bytes.size() || bytes[at] == 26) break;
        if (bytes[at++] == '\r' && at < bytes.size() && bytes[at] == '\n') ++at;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::uint8_t shift = input.byte();
    const std::string meaning(input.text());
    std::string bytes;
    if (shift != 0) bytes.assign(kReaderBuffer - shift, 'x');
    bytes.append(input.rest());

    const auto& folder = fuzz::scratchFolder();
    fuzz::writeFile(folder / kUserDictionaryFileName, bytes);

    RecordedMessages messages;
    UserDictionary dictionary(messages);
    std::vector<std::string> headwords, meaningsTexts;
    LoadUserDictionary(dictionary, folder.string(), headwords, meaningsTexts);
    fuzz::require(messages.shown.empty());

    const std::vector<std::string> lines = referenceLines(bytes);
    fuzz::require(headwords.size() == lines.size() && meaningsTexts.size() == lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool hasAt = lines[i].find('@') != std::string::npos;
        fuzz::require((hasAt ? headwords[i] + "@" : headwords[i]) + meaningsTexts[i] == lines[i]);

        std::string edited = meaningsTexts[i];
        RemoveWholeMeaning(edited, meaning);
        fuzz::require(edited == meaningsTexts[i] ||
                      edited.size() + meaning.size() + 1 == meaningsTexts[i].size());
        const std::string_view trimmed = TrimBlanksAndControls(headwords[i]);
        fuzz::require(trimmed.empty() || (static_cast<unsigned char>(trimmed.front()) > 32 &&
                                          static_cast<unsigned char>(trimmed.back()) > 32));
    }
    return 0;
}
