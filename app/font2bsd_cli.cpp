#include "font2bsd_cli.h"

#include "command_line.h"
#include "cp1252.h"
#include "phone_loader.h"

#include <QRegularExpression>

namespace smssim {

namespace {

constexpr const char* kProgram = "smssim-font2bsd";

const OptionTable kOptions{
    {"out", "DATEI.bsd",
     "die Zeichensatzdatei; eine vorhandene wird erst ersetzt, wenn\ndie neue vollständig ist"},
    {"name", "NAME",
     "Name des Telefons (Vorgabe: Familie und Größe der Schrift,\nwie „Fixed 6x10“)"},
    {"display", "BxH", "Breite und Höhe des Displays in Pixeln (Vorgabe: 84x48)"},
    {"line-width", "N", "Zeilenbreite in Pixeln (Vorgabe: Displaybreite - 2)"},
    {"picture-height", "N",
     "Bildhöhe in Pixeln (Vorgabe: die ganzen Zeilen, die ins\nDisplay passen)"},
    {"pitch", "N", "Zeilenabstand in Pixeln (Vorgabe: der der Schrift)"},
    {"colour", "RRGGBB", "Hintergrundfarbe (Vorgabe: 96BE78, das Grün des Nokia)"},
    {"paragraphs", nullptr, "Absätze erlaubt (Vorgabe: nein)"},
    {"no-word-wrap", nullptr, "Umbruch mitten im Wort (Vorgabe: nur zwischen Wörtern)"},
    {"extension", ".EXT", "Endung der Nachrichtendateien (Vorgabe: .n51)"},
    {"pixel-size", "N",
     "Größe der Schrift in Pixeln (Vorgabe: die erste Größe einer\nBitmap-Schrift)"},
    {"crop", nullptr, "zu große Zeichen zuschneiden (Vorgabe: keine Datei)"}};

constexpr int kMost = static_cast<int>(kMaxDisplaySize);

Result<> setCount(int& into, const std::string& option, const std::string& text) {
    const auto value = wholeNumber(option, text, 1, kMost);
    if (!value.has_value())
        return std::unexpected(value.error());
    into = *value;
    return {};
}

Result<> setDisplay(FontPhoneOptions& o, const std::string& text) {
    const auto x = text.find('x');
    if (x == std::string::npos)
        return usageProblem("--display braucht BREITExHÖHE wie 84x48, nicht „" + text + "“");
    if (auto e = setCount(o.displayWidth, "die Breite von --display", text.substr(0, x)); !e)
        return e;
    return setCount(o.displayHeight, "die Höhe von --display", text.substr(x + 1));
}

Result<> setColour(FontPhoneOptions& o, const std::string& text) {
    if (!QRegularExpression(QStringLiteral("^[0-9A-Fa-f]{6}$")).match(fromBytes(text)).hasMatch())
        return usageProblem("--colour braucht RRGGBB hexadezimal wie 96BE78, nicht „" + text + "“");
    const long rgb = std::stol(text, nullptr, 16);
    o.colour = static_cast<std::int32_t>((rgb >> 16) + (rgb & 0xFF00) + ((rgb & 0xFF) << 16));
    return {};
}

// The name is given as UTF-8 and stands in the file as Windows-1252.
Result<> setName(FontPhoneOptions& o, const std::string& text) {
    auto name = utf8ToCp1252(text);
    if (!name)
        return usageProblem("--name „" + text +
                            "“ ist kein UTF-8 oder enthält ein Zeichen ohne Windows-1252-Code");
    if (auto problem = headerTextProblem(*name))
        return usageProblem("--name: " + *problem);
    o.name = std::move(*name);
    return {};
}

Result<> setExtension(FontPhoneOptions& o, const std::string& text) {
    if (!QRegularExpression(QStringLiteral("^\\.[0-9A-Za-z]+$")).match(fromBytes(text)).hasMatch())
        return usageProblem(
            "--extension braucht einen Punkt und Buchstaben oder Ziffern wie .n51, nicht „" + text +
            "“");
    o.extension = text;
    return {};
}

using Setter = Result<> (*)(FontPhoneOptions&, const std::string&);

Result<> setValues(FontPhoneOptions& o, const QCommandLineParser& parser) {
    for (const auto& [name, into] : {std::pair{"line-width", &o.lineWidth},
                                     {"picture-height", &o.pictureHeight},
                                     {"pitch", &o.pitch},
                                     {"pixel-size", &o.pixelSize}})
        if (const auto text = optionValue(parser, name))
            if (auto e = setCount(into->emplace(), std::string("--") + name, *text); !e)
                return e;
    const std::pair<const char*, Setter> texts[] = {{"display", setDisplay},
                                                    {"colour", setColour},
                                                    {"name", setName},
                                                    {"extension", setExtension}};
    for (const auto& [name, set] : texts)
        if (const auto text = optionValue(parser, name))
            if (auto e = set(o, *text); !e)
                return e;
    return {};
}

Result<> readArguments(Font2bsdArguments& result, const QCommandLineParser& parser) {
    const QStringList fonts = parser.positionalArguments();
    if (fonts.size() != 1)
        return usageProblem(fonts.isEmpty()
                                ? "die Schrift fehlt"
                                : "nur eine Schrift, nicht „" + toBytes(fonts.join(' ')) + "“");
    const auto out = optionValue(parser, "out");
    if (!out)
        return usageProblem("--out DATEI.bsd fehlt");
    FontPhoneOptions& o = result.options;
    o.font = toBytes(fonts.first());
    o.out = *out;
    o.paragraphs = parser.isSet(QStringLiteral("paragraphs"));
    o.wordWrap = !parser.isSet(QStringLiteral("no-word-wrap"));
    o.crop = parser.isSet(QStringLiteral("crop"));
    return setValues(o, parser);
}

} // namespace

std::string font2bsdUsage() {
    return usageText(
        "Aufruf: smssim-font2bsd SCHRIFT --out DATEI.bsd [--name NAME] [--display BxH]\n"
        "                        [--line-width N] [--picture-height N] [--pitch N]\n"
        "                        [--colour RRGGBB] [--paragraphs] [--no-word-wrap]\n"
        "                        [--extension .EXT] [--pixel-size N] [--crop]\n"
        "Macht aus einer Schrift eine Zeichensatzdatei. SCHRIFT: BDF, PCF (auch .pcf.gz)\n"
        "oder eine Outline-Schrift mit --pixel-size.\n",
        kOptions,
        "Status: 0 fertig, 1 die Schrift ist unbrauchbar oder die Datei nicht zu schreiben,\n"
        "2 falsche Argumente\n");
}

Result<Font2bsdArguments> parseFont2bsdArguments(const std::vector<std::string>& args) {
    return parseInto<Font2bsdArguments>(kOptions, args, readArguments);
}

int runFont2bsd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                FileSystemCalls& calls) {
    const auto parsed = parseFont2bsdArguments(args);
    if (!parsed.has_value())
        return report(err, kProgram, parsed.error());
    const Font2bsdArguments& arguments = *parsed;
    if (arguments.help) {
        out << font2bsdUsage();
        return exitCode(ExitStatus::Ok);
    }
    const auto phone = makePhoneFromFont(arguments.options);
    if (!phone)
        return report(err, kProgram, phone.error());
    if (!phone->leftOut.empty())
        report(err, kProgram, {phone->leftOut, ExitStatus::Ok});
    // Through the safe writer: an existing phone stays as it was until the new one is whole.
    if (const auto written = writeWholeFile(arguments.options.out, phone->definition, calls);
        !written)
        return report(err, kProgram, written.error());
    return exitCode(ExitStatus::Ok);
}

} // namespace smssim
