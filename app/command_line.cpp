#include "command_line.h"

#include "numbers.h"

#include <QList>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace smssim {

QString fromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string toBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

namespace {

const Option kHelp{"help", nullptr, "diese Hilfe"};

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QCommandLineOption qtOption(const Option& option) {
    QStringList names{QString::fromLatin1(option.name)};
    if (&option == &kHelp)
        names.prepend(QStringLiteral("h"));
    return option.valueName
               ? QCommandLineOption(names, QString(), QString::fromLatin1(option.valueName))
               : QCommandLineOption(names);
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

// "--name VALUE", or "-h, --help".
std::string label(const Option& option) {
    std::string text = std::string(&option == &kHelp ? "-h, --" : "--") + option.name;
    if (option.valueName)
        text += std::string(" ") + option.valueName;
    return text;
}

} // namespace

Result<bool> parseArguments(QCommandLineParser& parser, const OptionTable& table,
                            const std::vector<std::string>& args) {
    QList<QCommandLineOption> options;
    for (const Option& option : table)
        options << qtOption(option);
    options << qtOption(kHelp);
    parser.addOptions(options);
    QStringList arguments{QStringLiteral("smssim")}; // the program name, which Qt skips
    for (const std::string& a : args)
        arguments << fromBytes(a);
    if (parser.parse(arguments))
        return parser.isSet(QString::fromLatin1(kHelp.name));
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
        return usageProblem("unbekannte Option „" + toBytes(dashed(unknown.first())) + "“");
    if (auto problem = valueProblem(options, arguments))
        return usageProblem(std::move(*problem));
    return usageProblem(toBytes(parser.errorText()));
}

std::optional<std::string> optionValue(const QCommandLineParser& parser, const char* name) {
    const QString key = QString::fromLatin1(name);
    if (!parser.isSet(key))
        return std::nullopt;
    return toBytes(parser.value(key));
}

std::string usageText(std::string_view head, const OptionTable& table, std::string_view tail) {
    std::size_t width = label(kHelp).size();
    for (const Option& option : table)
        width = std::max(width, label(option).size());
    const std::string indent(width + 4, ' ');
    std::string text(head);
    const auto add = [&](const Option& option) {
        std::string line = "  " + label(option);
        line.resize(indent.size(), ' ');
        for (const char c : option.help)
            line += c == '\n' ? "\n" + indent : std::string(1, c);
        text += line + '\n';
    };
    for (const Option& option : table)
        add(option);
    add(kHelp);
    return text += tail;
}

Result<int> wholeNumber(const std::string& option, const std::string& text, int minimum,
                        std::optional<int> maximum) {
    const auto value = parseNumber(text);
    const auto whole = value && *value == std::floor(*value) ? toLong(*value) : std::nullopt;
    if (whole && *whole >= minimum && (!maximum || *whole <= *maximum))
        return static_cast<int>(*whole);
    return usageProblem(option + " braucht eine ganze Zahl " +
                        (maximum
                             ? "von " + std::to_string(minimum) + " bis " + std::to_string(*maximum)
                             : "ab " + std::to_string(minimum)) +
                        ", nicht „" + text + "“");
}

int report(std::ostream& err, const char* program, const Problem& problem) {
    std::string line = problem.reason;
    std::replace(line.begin(), line.end(), '\n', ' ');
    if (problem.status == ExitStatus::Usage)
        line += " (siehe --help)";
    err << program << ": " << line << '\n';
    return exitCode(problem.status);
}

} // namespace smssim
