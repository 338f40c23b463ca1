#include "bsd2font_cli.h"

#include "c_source.h"
#include "command_line.h"
#include "font_files.h"

#include <iterator>

namespace smssim {

namespace {

constexpr const char* kProgram = "smssim-bsd2font";

Result<std::string> bdf(const Module1& phone, const PhoneLists& lists, std::string_view) {
    return bdfFont(phone, lists);
}

struct Format {
    const char* name;
    const char* what; // in the usage
    FontWriter write;
};

// One row a format, the default first.
const Format kFormats[] = {{"bdf", "BDF 2.1, Unicode", bdf},
                           {"gfx", "ein Adafruit-GFX-Header", gfxFont}};

// "bdf, gfx oder c".
std::string formatNames() {
    std::string names;
    for (auto f = std::begin(kFormats); f != std::end(kFormats); ++f)
        names += (f == std::begin(kFormats)            ? ""
                  : std::next(f) == std::end(kFormats) ? " oder "
                                                       : ", ") +
                 std::string(f->name);
    return names;
}

// A line each: "bdf: BDF 2.1, Unicode (Vorgabe)".
std::string formatHelp() {
    std::string help;
    for (const Format& f : kFormats)
        help += std::string(help.empty() ? "" : "\n") + f.name + ": " + f.what +
                (&f == kFormats ? " (Vorgabe)" : "");
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
    result.format = optionValue(parser, "format").value_or(kFormats[0].name);
    for (const Format& f : kFormats)
        if (result.format == f.name)
            result.write = f.write;
    if (!result.write)
        return usageProblem("unbekanntes Format „" + result.format + "“ (" + formatNames() + ")");
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
    const auto font = arguments.write(phone, *lists, arguments.name);
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
