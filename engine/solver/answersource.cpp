#include "engine/solver/answersource.h"

#include "engine/dictionary/dictionaryfiles.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>

namespace zadrovec {

bool SourceThere(const std::vector<ContentStamp>& stamps, std::size_t source) {
    const bool oneFile = AnswerSourceFiles(kDictionaryFiles[source])[1].empty();
    return stamps[2 * source].size < ContentStamp::kUnreadable &&
           (oneFile || stamps[2 * source + 1].size < ContentStamp::kUnreadable);
}

AnswerSource::AnswerSource(std::string folder, Messages& messages)
    : folder_(std::move(folder)), messages_(messages) {
    const std::vector<ContentStamp> stamps = DictionaryContentStamps(folder_);
    OpenedAnswerFile opened =
        OpenAnswerFile((std::filesystem::path(folder_) / kAnswerFileName).string(), stamps);
    stored_ = std::move(opened.state);
    if (!opened.space) return;
    // The dictionaries are those the file was made from: the same ones are missing.
    for (std::size_t d = 0; d < kDictionaryFiles.size(); ++d) {
        if (SourceThere(stamps, d))
            ++openedDictionaries_;
        else if (d < kMainWindowDictionaries)
            messages_.showMessage(
                NamedSourceMessage(folder_, kDictionaryFiles[d], DictionaryNotFoundText()));
    }
    space_ = std::make_shared<const AnswerSpace>(std::move(*opened.space));
    solver_ = std::make_unique<Solver>(space_);
}

void AnswerSource::readDictionaries(const std::atomic<bool>* stop) {
    LoadedAnswers loaded = ReadAnswerSpace(folder_, messages_, stop);
    if (stop && stop->load()) return;
    solver_.reset();
    space_ = std::move(loaded.space);
    solver_ = std::make_unique<Solver>(space_);
    openedDictionaries_ = loaded.openedDictionaries;
    readError_ = loaded.readError;
}

void AnswerSource::leaveStored(const StoredFileError& error) {
    stored_ = {error.damaged() ? StoredAnswersState::Kind::Damaged
                               : StoredAnswersState::Kind::Unreadable,
               error.detail()};
    solver_.reset();
    space_.reset();
}

void StoreAnswerSpace(const std::string& folder, Messages& messages, const AnswerExtras& extras) {
    const std::vector<ContentStamp> stamps = DictionaryContentStamps(folder);
    const LoadedAnswers loaded = ReadAnswerSpace(folder, messages);
    // Stored only when every dictionary that is there was read whole and none changed meanwhile,
    // so that the file answers exactly as the dictionaries would.
    int there = 0;
    for (std::size_t d = 0; d < kDictionaryFiles.size(); ++d)
        if (SourceThere(stamps, d)) ++there;
    if (loaded.openedDictionaries != there || there == 0 || loaded.readError ||
        DictionaryContentStamps(folder) != stamps)
        throw std::runtime_error("nothing stored: the dictionaries could not all be read");
    const SquareIndex index(*loaded.space, SquareRules{});
    const auto open = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        if (!in) throw std::runtime_error(path + ": cannot be read");
        return in;
    };
    std::optional<WordForms> forms;
    if (!extras.wordForms.empty()) {
        std::ifstream in = open(extras.wordForms);
        forms = ReadWordForms(in, LemmaIndex::ClueTerms(*loaded.space));
    }
    std::optional<WordFrequencies> frequencies;
    if (!extras.wordFrequencies.empty()) {
        std::ifstream in = open(extras.wordFrequencies);
        frequencies.emplace();
        ReadWordFrequencies(in, *frequencies);
    }
    const LemmaIndex lemmas = LemmaIndex::Build(*loaded.space, forms ? &*forms : nullptr,
                                                frequencies ? &*frequencies : nullptr);
    WriteAnswerFile((std::filesystem::path(folder) / kAnswerFileName).string(), *loaded.space,
                    index, lemmas, stamps);
}

} // namespace zadrovec
