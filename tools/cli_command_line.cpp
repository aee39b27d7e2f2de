#include "tools/cli_command_line.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>

namespace zadrovec::cli {
namespace {

constexpr std::size_t kHelpColumn = 17; // where the explanations start
constexpr std::size_t kUsageWidth = 96; // usage lines are wrapped before this

std::optional<long long> wholeNumber(const std::string& text) {
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return number;
}

// Splits a usage line at the spaces outside brackets and parentheses, so that "[--select I]"
// and "(--author TEXT | --title TEXT)" stay whole on one line.
std::vector<std::string> usageWords(const std::string& line) {
    std::vector<std::string> words(1);
    int depth = 0;
    for (const char c : line) {
        if (c == '[' || c == '(') ++depth;
        if (c == ']' || c == ')') --depth;
        if (c == ' ' && depth == 0) {
            if (!words.back().empty()) words.emplace_back();
        } else {
            words.back() += c;
        }
    }
    return words;
}

// "program words..." wrapped, the continuation lines indented under the first word after the
// program's name.
std::string wrapUsage(const std::string& lead, const std::string& line) {
    const std::vector<std::string> words = usageWords(line);
    const std::string indent(lead.size() + words.front().size() + 1, ' ');
    std::string out = lead + words.front();
    std::size_t column = out.size();
    for (std::size_t w = 1; w < words.size(); ++w) {
        if (column + 1 + words[w].size() > kUsageWidth) {
            out += '\n' + indent + words[w];
            column = indent.size() + words[w].size();
        } else {
            out += ' ' + words[w];
            column += 1 + words[w].size();
        }
    }
    return out + '\n';
}

std::vector<const CLI::Option*> operands(const CLI::App& command) {
    return command.get_options([](const CLI::Option* option) { return option->get_positional(); });
}

std::string operandNames(const CLI::App& command) {
    std::string names;
    for (const CLI::Option* operand : operands(command))
        names += (names.empty() ? "" : " ") +
                 (operand->get_required() ? operand->get_name() : "[" + operand->get_name() + "]");
    return names;
}

} // namespace

// CLI11's help laid out for this program: usage first, explanations at column 17, each command
// listed with its operands, no separate list of operands.
class HelpFormatter : public CLI::Formatter {
public:
    HelpFormatter() { column_width(kHelpColumn); }

    void setUsage(const std::string& command, const std::string& options) {
        usages_[command] = options;
    }

    // "zadrovec-cli [--data DIR] search NAME TEXT [--select I] [--json]"
    std::string synopsis(const CLI::App& command) const {
        const bool takesData = command.get_option_no_throw("--data") != nullptr;
        std::string line = command.get_parent()->get_name() + (takesData ? " [--data DIR] " : " ") +
                           command.get_name();
        const std::string operands = operandNames(command);
        if (!operands.empty()) line += ' ' + operands;
        const auto usage = usages_.find(command.get_name());
        if (usage != usages_.end()) return line + ' ' + usage->second;
        for (const CLI::Option* option : command.get_options()) {
            if (option->get_positional() || option == command.get_help_ptr() ||
                option->check_lname("data"))
                continue;
            line += " [" + option->get_name();
            if (!option->get_option_text().empty()) line += ' ' + option->get_option_text();
            line += ']';
        }
        return line;
    }

    std::string make_usage(const CLI::App* app, std::string) const override {
        if (app->get_parent() != nullptr) return wrapUsage("Usage: ", synopsis(*app));
        std::string out = "Usage:\n";
        for (const CLI::App* command : app->get_subcommands({}))
            out += wrapUsage("  ", synopsis(*command));
        return out + "  " + app->get_name() + " [COMMAND] --help\n";
    }

    std::string make_help(const CLI::App* app, std::string name,
                          CLI::AppFormatMode) const override {
        std::string out = make_usage(app, name);
        if (!app->get_description().empty()) out += '\n' + app->get_description() + '\n';
        out += make_groups(app, CLI::AppFormatMode::Normal);
        out += make_subcommands(app, CLI::AppFormatMode::Normal);
        return out + '\n' + make_footer(app);
    }

    std::string make_subcommand(const CLI::App* command) const override {
        std::ostringstream out;
        const std::string operands = operandNames(*command);
        CLI::detail::format_help(out,
                                 command->get_name() + (operands.empty() ? "" : " ") + operands,
                                 command->get_description(), get_column_width());
        return out.str();
    }

    // The operands are in the usage line and explained in the command's description.
    std::string make_positionals(const CLI::App*) const override { return {}; }

private:
    std::map<std::string, std::string> usages_;
};

CommandDeclaration::CommandDeclaration(CLI::App& command, Arguments& parsed,
                                       HelpFormatter& formatter)
    : command_(command), parsed_(parsed), formatter_(formatter) {}

CommandDeclaration& CommandDeclaration::data() {
    return value("--data", "DIR",
                 "the folder of the dictionaries (default: the folder of this program)",
                 [](Arguments& parsed, const std::string& folder) { parsed.dataFolder = folder; });
}

CommandDeclaration& CommandDeclaration::text(const std::string& name, const std::string& value,
                                             std::optional<std::string> Arguments::*field,
                                             const std::string& help) {
    return this->value(name, value, help, [field](Arguments& parsed, const std::string& text) {
        parsed.*field = text;
    });
}

CommandDeclaration& CommandDeclaration::number(const std::string& name, const std::string& value,
                                               std::optional<long long> Arguments::*field,
                                               const std::string& help) {
    // Decimal only: CLI11's own conversion would also read "010" as octal and " 1" as one.
    return this->value(name, value, help, [field](Arguments& parsed, const std::string& text) {
        parsed.*field = wholeNumber(text);
        if (!(parsed.*field)) throw UsageError("needs a whole number, not \"" + text + "\"");
    });
}

CommandDeclaration& CommandDeclaration::value(const std::string& name, const std::string& value,
                                              const std::string& help, Reader read) {
    Arguments& parsed = parsed_;
    command_
        .add_option_function<std::string>(
            name,
            [&parsed, name, read](const std::string& text) {
                try {
                    read(parsed, text);
                } catch (const UsageError& error) {
                    throw CLI::ValidationError(name, error.what());
                }
            },
            help)
        ->type_name(value)
        ->option_text(value);
    return *this;
}

CommandDeclaration& CommandDeclaration::flag(const std::string& name, bool Arguments::*field,
                                             const std::string& help) {
    Arguments& parsed = parsed_;
    command_.add_flag_callback(
        name, [&parsed, field] { parsed.*field = true; }, help);
    return *this;
}

CommandDeclaration& CommandDeclaration::usage(const std::string& options) {
    formatter_.setUsage(command_.get_name(), options);
    return *this;
}

CommandLine::CommandLine(const std::string& program, const std::string& description,
                         const std::string& footer)
    : app_(description, program), formatter_(std::make_shared<HelpFormatter>()) {
    // Commands made later take these over: the help flag, the layout, and that of an option given
    // twice the last counts.
    app_.set_help_flag("-h,--help", "prints this text");
    app_.formatter(formatter_);
    app_.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app_.footer(footer);
    // One command at most: a later operand that names a command is an operand all the same.
    app_.require_subcommand(0, 1);
    CommandDeclaration(app_, parsed_, *formatter_).data();
}

CommandDeclaration CommandLine::command(const std::string& name, const std::string& operands,
                                        const std::string& description) {
    CLI::App& command = *app_.add_subcommand(name, description);
    command.group("Commands");
    command.footer(app_.get_footer());
    std::istringstream names(operands);
    // "[NAME]" is an operand that may be left out.
    for (std::string operand; names >> operand;) {
        if (operand.starts_with('[') && operand.ends_with(']'))
            command.add_option(operand.substr(1, operand.size() - 2));
        else
            command.add_option(operand)->required();
    }
    return {command, parsed_, *formatter_};
}

Arguments CommandLine::parse(std::vector<std::string> args) {
    // "--" ends the options, but the command's name is still the first word: "-- search NAME -x"
    // is "search -- NAME -x" (CLI11 would take no command after "--").
    for (std::size_t a = 0; a + 1 < args.size(); ++a) {
        if (args[a] == "--") {
            if (isCommand(args[a + 1])) std::swap(args[a], args[a + 1]);
            break;
        }
        const CLI::Option* option = app_.get_option_no_throw(args[a]);
        if (option != nullptr && option->get_type_size() > 0)
            ++a; // its value
        else if (option == nullptr && !(args[a].size() > 1 && args[a].starts_with('-')))
            break;
    }
    args_ = args;
    std::vector<std::string> reversed(args.rbegin(), args.rend()); // as CLI11 takes them
    const auto help = [this] {
        Arguments asked;
        asked.command = "help";
        if (const std::string command = selectedCommand(); !command.empty())
            asked.operands.push_back(command);
        return asked;
    };
    try {
        app_.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        return help();
    } catch (const CLI::ParseError& error) {
        // CLI11 checks the values before it looks for --help; whoever asks for help gets it.
        const auto end = std::ranges::find(args_, "--");
        if (std::find(args_.begin(), end, "--help") != end ||
            std::find(args_.begin(), end, "-h") != end)
            return help();
        const std::string command = selectedCommand();
        if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr)
            throw UsageError(unexpected(command), command);
        throw UsageError(error.what(), command);
    }

    Arguments parsed = parsed_;
    parsed.command = selectedCommand();
    if (parsed.command.empty()) throw UsageError("no command given");
    const CLI::App& command = find(parsed.command);
    if (app_.count("--data") > 0 && command.get_option_no_throw("--data") == nullptr)
        throw UsageError("--data does not apply to " + parsed.command, parsed.command);
    for (const CLI::Option* operand : operands(command))
        if (operand->count() > 0) parsed.operands.push_back(operand->as<std::string>());
    return parsed;
}

std::string CommandLine::help(const std::string& command) const {
    return command.empty() ? app_.help() : formatter_->make_help(&find(command), "", {});
}

std::string CommandLine::usage(const std::string& command) const {
    const std::string& program = app_.get_name();
    if (command.empty())
        return formatter_->make_usage(&app_, "") + "Run \"" + program +
               " --help\" for what each command does.\n";
    return formatter_->make_usage(&find(command), "") + "Run \"" + program + " " + command +
           " --help\" for more.\n";
}

std::string CommandLine::unexpected(const std::string& command) const {
    // CLI11 keeps left-over words with the program or with the command, not always where they
    // stood: tell of the one that comes first on the command line.
    const auto at = [this](const std::string& word) {
        return std::ranges::find(args_, word) - args_.begin();
    };
    std::vector<std::string> left = app_.remaining(true);
    std::erase(left, "--");
    if (left.empty()) return "\"--\" given twice";
    const std::string first = *std::ranges::min_element(left, {}, at);
    const bool beforeCommand = command.empty() || at(first) < at(command);
    // After "--" every word is an operand, even one that looks like an option.
    const bool operand = at(first) > at("--") || first.size() < 2 || !first.starts_with('-');
    if (operand) {
        if (beforeCommand) return "unknown command \"" + first + "\"";
        return command + " takes " + std::to_string(operands(find(command)).size()) +
               " operand(s); \"" + first + "\" is one too many";
    }
    const std::string name = first.substr(0, first.find('='));
    for (const CLI::App* other : app_.get_subcommands({}))
        if (other->get_option_no_throw(name) != nullptr)
            return beforeCommand ? name + " goes after the command's name"
                                 : name + " does not apply to " + command;
    return "unknown option " + name;
}

bool CommandLine::isCommand(const std::string& word) const {
    return !app_.get_subcommands(
                    [&word](const CLI::App* command) { return command->get_name() == word; })
                .empty();
}

const CLI::App& CommandLine::find(const std::string& command) const {
    return *app_.get_subcommand(command);
}

std::string CommandLine::selectedCommand() const {
    const std::vector<CLI::App*> selected = app_.get_subcommands();
    return selected.empty() ? std::string() : selected.front()->get_name();
}

} // namespace zadrovec::cli
