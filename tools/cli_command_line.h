// zadrovec-cli's command line on CLI11: commands declared with their operands and options, each
// option written straight into Arguments, and the help laid out from the same declarations.
#pragma once

#include "tools/cli_arguments.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zadrovec::cli {

class HelpFormatter;

// One command being declared; each call adds an option and returns the declaration for the next.
class CommandDeclaration {
public:
    CommandDeclaration(CLI::App& command, Arguments& parsed, HelpFormatter& formatter);

    // Takes --data DIR, the folder of the dictionaries.
    CommandDeclaration& data();
    // --name VALUE kept as given (UTF-8; the command converts it).
    CommandDeclaration& text(const std::string& name, const std::string& value,
                             std::optional<std::string> Arguments::*field, const std::string& help);
    // --name VALUE, a whole number written in decimal.
    CommandDeclaration& number(const std::string& name, const std::string& value,
                               std::optional<long long> Arguments::*field, const std::string& help);
    // --name VALUE read into Arguments by read, which throws UsageError for a value that makes
    // no sense (the message is told after the option's name).
    using Reader = std::function<void(Arguments& parsed, const std::string& value)>;
    CommandDeclaration& value(const std::string& name, const std::string& value,
                              const std::string& help, Reader read);
    // --name without a value.
    CommandDeclaration& flag(const std::string& name, bool Arguments::*field,
                             const std::string& help);
    // The options part of the usage line, for options that go together in a way a plain list of
    // "[--name VALUE]" cannot show.
    CommandDeclaration& usage(const std::string& options);

private:
    CLI::App& command_;
    Arguments& parsed_;
    HelpFormatter& formatter_;
};

// The whole command line: the program's own options, then its commands.
class CommandLine {
public:
    CommandLine(const std::string& program, const std::string& description,
                const std::string& footer);
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // operands: their names, separated by spaces; each is required unless written "[NAME]".
    CommandDeclaration command(const std::string& name, const std::string& operands,
                               const std::string& description);

    // Throws UsageError naming the command it concerns. --help gives the command "help" with the
    // command asked about, if any, as its operand.
    Arguments parse(std::vector<std::string> args);

    // The help of the program ("") or of one of its commands.
    std::string help(const std::string& command) const;
    // The usage lines of the program ("") or of one command, and where to read more.
    std::string usage(const std::string& command) const;

private:
    bool isCommand(const std::string& word) const;
    const CLI::App& find(const std::string& command) const;
    std::string selectedCommand() const;
    // The message for words left over: said of the first of them.
    std::string unexpected(const std::string& command) const;

    CLI::App app_;
    std::shared_ptr<HelpFormatter> formatter_;
    Arguments parsed_;
    std::vector<std::string> args_; // as parsed, "--" after the command's name
};

} // namespace zadrovec::cli
