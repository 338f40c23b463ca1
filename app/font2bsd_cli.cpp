#include "font2bsd_cli.h"

#include "command_line.h"
#include "cp1252.h"
#include "numbers.h"
#include "phone_loader.h"

#include <QRegularExpression>
#include <cmath>

namespace smssim {

namespace {

std::optional<std::string> setCount(int& into, const std::string& option, const std::string& text,
                                    int maximum) {
    const auto value = parseNumber(text);
    if (!value || *value != std::floor(*value) || *value < 1 || *value > maximum)
        return option + " braucht eine ganze Zahl von 1 bis " + std::to_string(maximum) +
               ", nicht „" + text + "“";
    into = static_cast<int>(*value);
    return std::nullopt;
}

std::optional<std::string> setDisplay(FontPhoneOptions& o, const std::string& text) {
    const auto x = text.find('x');
    const int most = static_cast<int>(kMaxDisplaySize);
    if (x == std::string::npos)
        return "--display braucht BREITExHÖHE wie 84x48, nicht „" + text + "“";
    if (auto e = setCount(o.displayWidth, "die Breite von --display", text.substr(0, x), most))
        return e;
    return setCount(o.displayHeight, "die Höhe von --display", text.substr(x + 1), most);
}

std::optional<std::string> setColour(FontPhoneOptions& o, const std::string& text) {
    if (!QRegularExpression(QStringLiteral("^[0-9A-Fa-f]{6}$")).match(fromBytes(text)).hasMatch())
        return "--colour braucht RRGGBB hexadezimal wie 96BE78, nicht „" + text + "“";
    const long rgb = std::stol(text, nullptr, 16);
    o.colour = static_cast<std::int32_t>((rgb >> 16) + (rgb & 0xFF00) + ((rgb & 0xFF) << 16));
    return std::nullopt;
}

// The name is given as UTF-8 and stands in the file as Windows-1252.
std::optional<std::string> setName(FontPhoneOptions& o, const std::string& text) {
    auto name = utf8ToCp1252(text);
    if (!name)
        return "--name „" + text +
               "“ ist kein UTF-8 oder enthält ein Zeichen ohne Windows-1252-Code";
    if (auto problem = headerTextProblem(*name))
        return "--name: " + *problem;
    o.name = std::move(*name);
    return std::nullopt;
}

std::optional<std::string> setExtension(FontPhoneOptions& o, const std::string& text) {
    if (!QRegularExpression(QStringLiteral("^\\.[0-9A-Za-z]+$")).match(fromBytes(text)).hasMatch())
        return "--extension braucht einen Punkt und Buchstaben oder Ziffern wie .n51, nicht „" +
               text + "“";
    o.extension = text;
    return std::nullopt;
}

using Setter = std::optional<std::string> (*)(FontPhoneOptions&, const std::string&);

std::optional<std::string> setValues(FontPhoneOptions& o, const QCommandLineParser& parser) {
    const int most = static_cast<int>(kMaxDisplaySize);
    const auto count = [&](std::optional<int>& into,
                           const char* name) -> std::optional<std::string> {
        const QString key = QString::fromLatin1(name);
        if (!parser.isSet(key))
            return std::nullopt;
        return setCount(into.emplace(), std::string("--") + name, toBytes(parser.value(key)), most);
    };
    for (const auto& [name, into] : {std::pair{"line-width", &o.lineWidth},
                                     {"picture-height", &o.pictureHeight},
                                     {"pitch", &o.pitch},
                                     {"pixel-size", &o.pixelSize}})
        if (auto e = count(*into, name))
            return e;
    const std::pair<const char*, Setter> texts[] = {{"display", setDisplay},
                                                    {"colour", setColour},
                                                    {"name", setName},
                                                    {"extension", setExtension}};
    for (const auto& [name, set] : texts)
        if (parser.isSet(QString::fromLatin1(name)))
            if (auto e = set(o, toBytes(parser.value(QString::fromLatin1(name)))))
                return e;
    return std::nullopt;
}

} // namespace

std::string font2bsdUsage() {
    return "Aufruf: smssim-font2bsd SCHRIFT --out DATEI.bsd [--name NAME] [--display BxH]\n"
           "                        [--line-width N] [--picture-height N] [--pitch N]\n"
           "                        [--colour RRGGBB] [--paragraphs] [--no-word-wrap]\n"
           "                        [--extension .EXT] [--pixel-size N] [--crop]\n"
           "Macht aus einer Schrift eine Zeichensatzdatei. SCHRIFT: BDF, PCF (auch .pcf.gz)\n"
           "oder eine Outline-Schrift mit --pixel-size.\n"
           "  --out DATEI.bsd     die Zeichensatzdatei; eine vorhandene wird erst ersetzt, wenn\n"
           "                      die neue vollständig ist\n"
           "  --name NAME         Name des Telefons (Vorgabe: Familie und Größe der Schrift,\n"
           "                      wie „Fixed 6x10“)\n"
           "  --display BxH       Breite und Höhe des Displays in Pixeln (Vorgabe: 84x48)\n"
           "  --line-width N      Zeilenbreite in Pixeln (Vorgabe: Displaybreite - 2)\n"
           "  --picture-height N  Bildhöhe in Pixeln (Vorgabe: die ganzen Zeilen, die ins\n"
           "                      Display passen)\n"
           "  --pitch N           Zeilenabstand in Pixeln (Vorgabe: der der Schrift)\n"
           "  --colour RRGGBB     Hintergrundfarbe (Vorgabe: 96BE78, das Grün des Nokia)\n"
           "  --paragraphs        Absätze erlaubt (Vorgabe: nein)\n"
           "  --no-word-wrap      Umbruch mitten im Wort (Vorgabe: nur zwischen Wörtern)\n"
           "  --extension .EXT    Endung der Nachrichtendateien (Vorgabe: .n51)\n"
           "  --pixel-size N      Größe der Schrift in Pixeln (Vorgabe: die erste Größe einer\n"
           "                      Bitmap-Schrift)\n"
           "  --crop              zu große Zeichen zuschneiden (Vorgabe: keine Datei)\n"
           "  -h, --help          diese Hilfe\n"
           "Status: 0 fertig, 1 die Schrift ist unbrauchbar oder die Datei nicht zu schreiben,\n"
           "2 falsche Argumente\n";
}

std::variant<Font2bsdArguments, std::string>
parseFont2bsdArguments(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    if (auto error = parseArguments(
            parser,
            {help, QCommandLineOption(QStringLiteral("paragraphs")),
             QCommandLineOption(QStringLiteral("no-word-wrap")),
             QCommandLineOption(QStringLiteral("crop")), valueOption("out", "DATEI.bsd"),
             valueOption("name", "NAME"), valueOption("display", "BxH"),
             valueOption("line-width", "N"), valueOption("picture-height", "N"),
             valueOption("pitch", "N"), valueOption("colour", "RRGGBB"),
             valueOption("extension", ".EXT"), valueOption("pixel-size", "N")},
            args))
        return *error;
    Font2bsdArguments result;
    if (parser.isSet(help)) {
        result.help = true;
        return result;
    }
    const QStringList fonts = parser.positionalArguments();
    if (fonts.size() != 1)
        return fonts.isEmpty() ? "die Schrift fehlt"
                               : "nur eine Schrift, nicht „" + toBytes(fonts.join(' ')) + "“";
    if (!parser.isSet(QStringLiteral("out")))
        return "--out DATEI.bsd fehlt";
    FontPhoneOptions& o = result.options;
    o.font = toBytes(fonts.first());
    o.out = toBytes(parser.value(QStringLiteral("out")));
    o.paragraphs = parser.isSet(QStringLiteral("paragraphs"));
    o.wordWrap = !parser.isSet(QStringLiteral("no-word-wrap"));
    o.crop = parser.isSet(QStringLiteral("crop"));
    if (auto e = setValues(o, parser))
        return *e;
    return result;
}

int runFont2bsd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                FileSystemCalls& calls) {
    constexpr const char* program = "smssim-font2bsd";
    auto parsed = parseFont2bsdArguments(args);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        printUsageError(err, program, *error);
        return exitCode(ExitStatus::Usage);
    }
    const auto& arguments = std::get<Font2bsdArguments>(parsed);
    if (arguments.help) {
        out << font2bsdUsage();
        return 0;
    }
    const auto phone = makePhoneFromFont(arguments.options);
    if (!phone) {
        const Problem& problem = phone.error();
        if (problem.status == ExitStatus::Usage)
            printUsageError(err, program, problem.reason);
        else
            printProblem(err, program, problem.reason);
        return exitCode(problem.status);
    }
    if (!phone->leftOut.empty())
        printProblem(err, program, phone->leftOut);
    // Through the safe writer: an existing phone stays as it was until the new one is whole.
    if (const auto written = writeWholeFile(arguments.options.out, phone->definition, calls);
        !written) {
        printProblem(err, program, written.error().reason);
        return exitCode(written.error().status);
    }
    return exitCode(ExitStatus::Ok);
}

} // namespace smssim
