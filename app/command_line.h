#pragma once
// What the two command-line programs share: reading their arguments through Qt and
// printing a reason.

#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace smssim {

// Arguments travel through Qt as Latin-1, one character per byte, so that a file name or
// text that is no valid UTF-8 comes back unchanged; option names are ASCII either way.
QString fromBytes(const std::string& bytes);
std::string toBytes(const QString& text);

// An option that takes a value, as --name VALUE or --name=VALUE.
QCommandLineOption valueOption(const char* name, const char* valueName);

// Adds `options` to `parser` and parses `args` (without the program name); the German
// error text when they do not fit.
std::optional<std::string> parseArguments(QCommandLineParser& parser,
                                          const QList<QCommandLineOption>& options,
                                          const std::vector<std::string>& args);

// "program: reason" as one line: the reasons the window shows break lines, a line on
// standard error does not.
void printProblem(std::ostream& err, const char* program, const std::string& reason);

// A wrong argument: the reason and where the usage is, on one line.
void printUsageError(std::ostream& err, const char* program, const std::string& reason);

} // namespace smssim
