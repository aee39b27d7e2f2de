// The solver's answers of a data folder: the stored answers (answerfile.h) where they can be
// used, else the answers read from the dictionaries. Stored answers found damaged in the middle
// of a question are left for the dictionaries and the question is asked again, so that a
// damaged file never answers.
#pragma once

#include "engine/dictionary/messages.h"
#include "engine/solver/answerfile.h"
#include "engine/solver/answerspace.h"
#include "engine/solver/solver.h"

#include <memory>
#include <string>
#include <type_traits>

namespace zadrovec {

class AnswerSource {
public:
    // Opens the stored answers when they can be used: their header and the dictionaries' stamps
    // are read, nothing else. Missing dictionaries are told through messages.
    AnswerSource(std::string folder, Messages& messages);

    // True when there are answers to ask without reading the dictionaries first.
    bool ready() const { return solver_ != nullptr; }
    // Reads the answers from the dictionaries: the slow way. It may run on another thread while
    // nothing else uses this source; setting `stop` ends it early with ready() still false.
    void readDictionaries(const std::atomic<bool>* stop = nullptr);

    // Whether the stored answers are used, or why not.
    const StoredAnswersState& stored() const { return stored_; }
    int openedDictionaries() const { return openedDictionaries_; }
    bool readError() const { return readError_; }
    // The answers and their solver; ready() must be true.
    const AnswerSpace& space() const { return *space_; }
    Solver& solver() { return *solver_; }
    // Leaves the stored answers after they failed on the way, saying why: ready() is false
    // until the dictionaries are read.
    void leaveStored(const StoredFileError& error);

    // The result of ask(solver), reading the dictionaries first when there are no answers yet,
    // and again when the stored answers fail on the way. Whatever ask makes of the answers'
    // texts must be made inside it.
    template <typename Ask> std::invoke_result_t<Ask&, Solver&> ask(Ask&& question) {
        if (!ready()) readDictionaries();
        try {
            return question(*solver_);
        } catch (const StoredFileError& error) {
            if (!space_->storedIndex()) throw;
            leaveStored(error);
            readDictionaries();
            return question(*solver_);
        }
    }

private:
    std::string folder_;
    Messages& messages_;
    StoredAnswersState stored_;
    std::shared_ptr<const AnswerSpace> space_;
    std::unique_ptr<Solver> solver_;
    int openedDictionaries_ = 0;
    bool readError_ = false;
};

// What the stored answers take beyond the dictionaries, read from files when named.
// Whether the files of source number `source` (in kDictionaryFiles) are there, by its stamps
// (DictionaryContentStamps).
bool SourceThere(const std::vector<ContentStamp>& stamps, std::size_t source);

struct AnswerExtras {
    std::string wordForms;       // "LEMMA<TAB>FORM FORM ..." lines
    std::string wordFrequencies; // words one a line, the most frequent first
};

// Reads the dictionaries and stores their answers beside them. Throws std::runtime_error, and
// stores nothing, when a dictionary that is there could not be read whole or none is there, when
// an extra file cannot be read, or when the file cannot be written.
void StoreAnswerSpace(const std::string& folder, Messages& messages,
                      const AnswerExtras& extras = {});

} // namespace zadrovec
