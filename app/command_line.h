#pragma once
// What the two command-line programs share when they read their arguments through Qt.

#include <QCommandLineParser>
#include <QString>
#include <optional>
#include <string>
#include <vector>

namespace smssim {

// Arguments travel through Qt as Latin-1, one character per byte, so that a file name or
// text that is no valid UTF-8 comes back unchanged; option names are ASCII either way.
QString fromBytes(const std::string& bytes);
std::string toBytes(const QString& text);

// An option that takes a value, as --name VALUE or --name=VALUE.
QCommandLineOption valueOption(const char* name, const char* valueName);

// Parses `args` (without the program name) with the options already added to `parser`;
// the error text when they do not fit.
std::optional<std::string> parseArguments(QCommandLineParser& parser, const char* program,
                                          const std::vector<std::string>& args);

} // namespace smssim
