#include "command_line.h"

#include <QStringList>

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

std::optional<std::string> parseArguments(QCommandLineParser& parser, const char* program,
                                          const std::vector<std::string>& args) {
    QStringList arguments{QString::fromLatin1(program)};
    for (const std::string& a : args)
        arguments << fromBytes(a);
    if (!parser.parse(arguments))
        return toBytes(parser.errorText());
    return std::nullopt;
}

} // namespace smssim
