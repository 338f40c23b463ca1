#pragma once
// What the two command-line programs share: their options as a table, from which both the
// parser and the usage are made, whole numbers, and the one line a problem is told in.

#include "problem.h"

#include <QCommandLineParser>
#include <QString>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace smssim {

// One option: --name, or --name VALUE (also --name=VALUE) when it has a value name, and
// its text in the usage.
struct Option {
    const char* name;
    const char* valueName; // nullptr for a switch
    std::string help;      // a '\n' continues it on the next line, under the first
};

using OptionTable = std::vector<Option>;

// Arguments travel through Qt as Latin-1, one character per byte, so that a file name or
// text that is no valid UTF-8 comes back unchanged; option names are ASCII either way.
QString fromBytes(const std::string& bytes);
std::string toBytes(const QString& text);

// Parses `args` (without the program name) by `table` and -h/--help, which every program
// has; the German refusal when they do not fit. True when the usage was asked for.
Result<bool> parseArguments(QCommandLineParser& parser, const OptionTable& table,
                            const std::vector<std::string>& args);

// A fresh T (with a `help` member) from `args` by `table`: `read(T&, parser)` reads the rest
// when the usage was not asked for.
template <class T, class Read>
Result<T> parseInto(const OptionTable& table, const std::vector<std::string>& args, Read read) {
    QCommandLineParser parser;
    const auto help = parseArguments(parser, table, args);
    if (!help.has_value())
        return std::unexpected(help.error());
    T result;
    result.help = *help;
    if (result.help)
        return result;
    if (auto done = read(result, parser); !done.has_value())
        return std::unexpected(done.error());
    return result;
}

// The last value given for the option --name, if it was given.
std::optional<std::string> optionValue(const QCommandLineParser& parser, const char* name);

// `head` (the synopsis and what the program does), the options of `table` and -h/--help
// each with its help beside it, then `tail`.
std::string usageText(std::string_view head, const OptionTable& table, std::string_view tail);

// A whole number of at least `minimum`, and at most `maximum` when given, which the refusal
// then names; "2", "2.0" and "2e0" alike.
Result<int> wholeNumber(const std::string& option, const std::string& text, int minimum,
                        std::optional<int> maximum = std::nullopt);

// A wrong argument.
inline std::unexpected<Problem> usageProblem(std::string reason) {
    return fail(std::move(reason), ExitStatus::Usage);
}

// "program: reason" as one line on `err` (the reasons the windows show break lines, a line
// on standard error does not), with where the usage is for a wrong argument; the exit code.
int report(std::ostream& err, const char* program, const Problem& problem);

} // namespace smssim
