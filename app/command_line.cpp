#include "command_line.h"

#include <QStringList>
#include <algorithm>

namespace smssim {

QString fromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string toBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

QCommandLineOption valueOption(const char* name, const char* valueName) {
    return {QString::fromLatin1(name), QString(), QString::fromLatin1(valueName)};
}

namespace {

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Qt words its own complaints in English only: a value missing after the last
// argument, or a value given to a switch.
std::optional<std::string> valueProblem(const QList<QCommandLineOption>& options,
                                        const QStringList& arguments) {
    for (const QCommandLineOption& option : options)
        for (const QString& name : option.names()) {
            const QString given = dashed(name);
            if (!option.valueName().isEmpty() && arguments.last() == given)
                return toBytes(given) + " braucht einen Wert (" + toBytes(given) + " " +
                       toBytes(option.valueName()) + ")";
            const auto withValue = [&](const QString& a) { return a.startsWith(given + '='); };
            if (option.valueName().isEmpty() &&
                std::any_of(arguments.begin(), arguments.end(), withValue))
                return toBytes(given) + " nimmt keinen Wert";
        }
    return std::nullopt;
}

} // namespace

std::optional<std::string> parseArguments(QCommandLineParser& parser,
                                          const QList<QCommandLineOption>& options,
                                          const std::vector<std::string>& args) {
    parser.addOptions(options);
    QStringList arguments{QStringLiteral("smssim")}; // the program name, which Qt skips
    for (const std::string& a : args)
        arguments << fromBytes(a);
    if (parser.parse(arguments))
        return std::nullopt;
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
        return "unbekannte Option „" + toBytes(dashed(unknown.first())) + "“";
    if (auto problem = valueProblem(options, arguments))
        return problem;
    return toBytes(parser.errorText());
}

void printProblem(std::ostream& err, const char* program, const std::string& reason) {
    std::string line = reason;
    std::replace(line.begin(), line.end(), '\n', ' ');
    err << program << ": " << line << '\n';
}

void printUsageError(std::ostream& err, const char* program, const std::string& reason) {
    printProblem(err, program, reason + " (siehe --help)");
}

} // namespace smssim
