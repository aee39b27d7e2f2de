// The command line of zadrovec-cli: which command, its operands and its options.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zadrovec::cli {

// A command line that makes no sense: the caller prints it with the usage and exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Arguments {
    std::string command; // "help" for --help
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
    bool strict = false;
    bool ch = false;
};

// Throws UsageError.
Arguments parseArguments(const std::vector<std::string>& args);

std::string usageText();

} // namespace zadrovec::cli
