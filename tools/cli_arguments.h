// The command line of zadrovec-cli: which command, its operands and its options.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace zadrovec::cli {

// A command line that makes no sense: the caller prints it with the usage of the command it
// concerns (or of the program) and exits with 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message, std::string command = {})
        : std::runtime_error(message), command_(std::move(command)) {}
    // The command the error concerns, when the parser knows it.
    const std::string& command() const { return command_; }

private:
    std::string command_;
};

struct Arguments {
    std::string command; // "help" for --help, with the command asked about as its operand
    std::vector<std::string> operands;
    std::optional<std::string> dataFolder;
    std::optional<std::string> header;
    std::optional<long long> select;
    std::optional<std::string> author;
    std::optional<std::string> title;
    std::optional<long long> clickAuthor;
    std::optional<long long> clickTitle;
    bool json = false;
    // solve and clues
    std::optional<std::string> anagram;
    std::optional<std::string> from;
    std::optional<std::string> contains;
    std::optional<std::string> length;
    std::optional<std::string> exclude;
    std::optional<std::string> clue;
    std::optional<std::string> order; // "rank" or "alpha"
    std::optional<std::string> words; // "5,2,3": the lengths of a phrase's words
    bool strict = false;
    bool ch = false;
    // store-answers: word forms by lemma, and Czech words by frequency (files)
    std::optional<std::string> wordForms;
    std::optional<std::string> wordFrequencies;
};

// Throws UsageError.
Arguments parseArguments(const std::vector<std::string>& args);

// The help of the program ("") or of one command, as --help prints it.
std::string helpText(const std::string& command = {});
// What follows a usage error's message: the usage of the program ("") or of one command.
std::string usageText(const std::string& command = {});

} // namespace zadrovec::cli
