#include "bsd2font_cli.h"

#include "c_source.h"
#include "command_line.h"

#include <algorithm>
#include <iterator>

namespace smssim {

namespace {

constexpr const char* kProgram = "smssim-bsd2font";

// "bdf, gfx oder c".
std::string formatNames() {
    std::string names;
    const auto formats = fontFormats();
    for (auto f = formats.begin(); f != formats.end(); ++f)
        names += (f == formats.begin()            ? ""
                  : std::next(f) == formats.end() ? " oder "
                                                  : ", ") +
                 std::string(f->option);
    return names;
}

// A line each: "bdf: BDF 2.1, Unicode (Vorgabe)".
std::string formatHelp() {
    std::string help;
    for (const FontFormatName& f : fontFormats())
        help += std::string(help.empty() ? "" : "\n") + std::string(f.option) + ": " +
                std::string(f.what) + (f.format == FontFormat::Bdf ? " (Vorgabe)" : "");
    return help;
}

const OptionTable kOptions{
    {"out", "DATEI",
     "die Schrift; eine vorhandene Datei wird erst ersetzt, wenn\ndie neue vollständig ist"},
    {"format", "FORMAT", formatHelp()},
    {"name", "NAME", "der Name im erzeugten C-Code (Vorgabe: smssim)"}};

Result<> readArguments(Bsd2fontArguments& result, const QCommandLineParser& parser) {
    const QStringList phones = parser.positionalArguments();
    if (phones.size() != 1)
        return usageProblem(phones.isEmpty() ? "die Zeichensatzdatei fehlt"
                                             : "nur eine Zeichensatzdatei, nicht „" +
                                                   toBytes(phones.join(' ')) + "“");
    const auto out = optionValue(parser, "out");
    if (!out)
        return usageProblem("--out DATEI fehlt");
    result.phone = toBytes(phones.first());
    result.out = *out;
    const std::string format = optionValue(parser, "format").value_or("bdf");
    const auto formats = fontFormats();
    const auto known = std::find_if(formats.begin(), formats.end(),
                                    [&](const FontFormatName& f) { return f.option == format; });
    if (known == formats.end())
        return usageProblem("unbekanntes Format „" + format + "“ (" + formatNames() + ")");
    result.format = known->format;
    if (const auto name = optionValue(parser, "name")) {
        if (!isCIdentifier(*name))
            return usageProblem("--name braucht einen Namen aus Buchstaben, Ziffern und _, "
                                "der nicht mit einer Ziffer beginnt, nicht „" +
                                *name + "“");
        result.name = *name;
    }
    return {};
}

} // namespace

std::string bsd2fontUsage() {
    return usageText("Aufruf: smssim-bsd2font ZEICHENSATZDATEI --out DATEI [--format FORMAT]\n"
                     "                        [--name NAME]\n"
                     "Macht aus den Zeichen eines Telefons eine Schrift: jedes Zeichen hängt wie "
                     "im\nTelefon an der Oberkante der Zeile.\n",
                     kOptions,
                     "Status: 0 fertig, 1 die Zeichensatzdatei ist unbrauchbar oder die Datei "
                     "nicht\nzu schreiben, 2 falsche Argumente\n");
}

Result<Bsd2fontArguments> parseBsd2fontArguments(const std::vector<std::string>& args) {
    return parseInto<Bsd2fontArguments>(kOptions, args, readArguments);
}

int runBsd2font(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                FileSystemCalls& calls) {
    const auto parsed = parseBsd2fontArguments(args);
    if (!parsed.has_value())
        return report(err, kProgram, parsed.error());
    const Bsd2fontArguments& arguments = *parsed;
    if (arguments.help) {
        out << bsd2fontUsage();
        return exitCode(ExitStatus::Ok);
    }
    Module1 phone;
    const auto lists = ZeichensatzLaden(phone, arguments.phone);
    if (!lists)
        return report(err, kProgram, lists.error());
    const auto font = fontFile(arguments.format, phone, *lists, arguments.name);
    if (!font)
        return report(err, kProgram,
                      {"Die Zeichensatzdatei „" + arguments.phone + "“: " + font.error().reason,
                       font.error().status});
    // Through the safe writer: an existing file stays as it was until the font is whole.
    if (const auto written = writeWholeFile(arguments.out, *font, calls); !written)
        return report(err, kProgram, written.error());
    return exitCode(ExitStatus::Ok);
}

} // namespace smssim
