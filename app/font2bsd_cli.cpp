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
        return option + " needs a whole number from 1 to " + std::to_string(maximum) + ", not '" +
               text + "'";
    into = static_cast<int>(*value);
    return std::nullopt;
}

std::optional<std::string> setDisplay(FontPhoneOptions& o, const std::string& text) {
    const auto x = text.find('x');
    const int most = static_cast<int>(kMaxDisplaySize);
    if (x == std::string::npos)
        return "--display needs WIDTHxHEIGHT, as 84x48, not '" + text + "'";
    if (auto e = setCount(o.displayWidth, "--display's width", text.substr(0, x), most))
        return e;
    return setCount(o.displayHeight, "--display's height", text.substr(x + 1), most);
}

std::optional<std::string> setColour(FontPhoneOptions& o, const std::string& text) {
    if (!QRegularExpression(QStringLiteral("^[0-9A-Fa-f]{6}$")).match(fromBytes(text)).hasMatch())
        return "--colour needs RRGGBB in hexadecimal, as 96BE78, not '" + text + "'";
    const long rgb = std::stol(text, nullptr, 16);
    o.colour = static_cast<std::int32_t>((rgb >> 16) + (rgb & 0xFF00) + ((rgb & 0xFF) << 16));
    return std::nullopt;
}

// The name is given as UTF-8 and stands in the file as Windows-1252.
std::optional<std::string> setName(FontPhoneOptions& o, const std::string& text) {
    auto name = utf8ToCp1252(text);
    if (!name)
        return "--name '" + text +
               "' is not UTF-8 or holds a character without a Windows-1252 code";
    if (auto problem = headerTextProblem(*name))
        return "--name: " + *problem;
    o.name = std::move(*name);
    return std::nullopt;
}

std::optional<std::string> setExtension(FontPhoneOptions& o, const std::string& text) {
    if (!QRegularExpression(QStringLiteral("^\\.[0-9A-Za-z]+$")).match(fromBytes(text)).hasMatch())
        return "--extension needs a dot and letters or digits, as .n51, not '" + text + "'";
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
    return "usage: smssim-font2bsd FONT --out FILE.bsd [--name NAME] [--display WxH]\n"
           "                       [--line-width N] [--picture-height N] [--pitch N]\n"
           "                       [--colour RRGGBB] [--paragraphs] [--no-word-wrap]\n"
           "                       [--extension .EXT] [--pixel-size N] [--crop]\n"
           "FONT: BDF, PCF (also .pcf.gz) or an outline font with --pixel-size\n";
}

std::variant<Font2bsdArguments, std::string>
parseFont2bsdArguments(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({help, QCommandLineOption(QStringLiteral("paragraphs")),
                       QCommandLineOption(QStringLiteral("no-word-wrap")),
                       QCommandLineOption(QStringLiteral("crop")), valueOption("out", "FILE"),
                       valueOption("name", "NAME"), valueOption("display", "WxH"),
                       valueOption("line-width", "N"), valueOption("picture-height", "N"),
                       valueOption("pitch", "N"), valueOption("colour", "RRGGBB"),
                       valueOption("extension", "EXT"), valueOption("pixel-size", "N")});
    if (auto error = parseArguments(parser, "smssim-font2bsd", args))
        return *error;
    Font2bsdArguments result;
    if (parser.isSet(help)) {
        result.help = true;
        return result;
    }
    const QStringList fonts = parser.positionalArguments();
    if (fonts.size() != 1)
        return fonts.isEmpty() ? "a font file is needed"
                               : "give one font, not '" + toBytes(fonts.join(' ')) + "'";
    if (!parser.isSet(QStringLiteral("out")))
        return "--out FILE.bsd is needed";
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

int runFont2bsd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto parsed = parseFont2bsdArguments(args);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        err << "smssim-font2bsd: " << *error << '\n' << font2bsdUsage();
        return static_cast<int>(FontExit::Usage);
    }
    const auto& arguments = std::get<Font2bsdArguments>(parsed);
    if (arguments.help) {
        out << font2bsdUsage();
        return 0;
    }
    return static_cast<int>(makePhoneFromFont(arguments.options, err));
}

} // namespace smssim
