#include "render_cli.h"

#include "command_line.h"
#include "cp1252.h"
#include "default_phone.h"
#include "display_lines.h"
#include "dot_recorder.h"
#include "gif_writer.h"
#include "lcd_image.h"
#include "letters_left.h"
#include "message_file.h"
#include "numbers.h"
#include "phone_loader.h"
#include "read_file.h"
#include "renderer.h"
#include "sms_check.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>

namespace smssim {

namespace {

using Args = std::vector<std::string>;

constexpr const char* kProgram = "smssim-render";

std::optional<std::string> setFormat(RenderOptions& o, const std::string& name) {
    if (name == "dots")
        o.format = RenderFormat::Dots;
    else if (name == "ascii")
        o.format = RenderFormat::Ascii;
    else if (name == "png")
        o.format = RenderFormat::Png;
    else if (name == "json")
        o.format = RenderFormat::Json;
    else if (name == "gif")
        o.format = RenderFormat::Gif;
    else if (name == "sheet")
        o.format = RenderFormat::Sheet;
    else
        return "unbekanntes Format „" + name + "“ (dots, ascii, png, json, gif oder sheet)";
    return std::nullopt;
}

std::optional<std::string> setNumber(double& into, const std::string& option,
                                     const std::string& text, double minimum) {
    const auto value = parseNumber(text);
    if (!value || *value != std::floor(*value) || *value < minimum || !toLong(*value))
        return option + " braucht eine ganze Zahl ab " + numberToText(minimum) + ", nicht „" +
               text + "“";
    into = *value;
    return std::nullopt;
}

std::optional<std::string> setBoundedNumber(double& into, const std::string& option,
                                            const std::string& text, double minimum,
                                            double maximum) {
    if (auto error = setNumber(into, option, text, minimum))
        return error;
    if (into > maximum)
        return option + " braucht eine ganze Zahl von " + numberToText(minimum) + " bis " +
               numberToText(maximum) + ", nicht „" + text + "“";
    return std::nullopt;
}

// Which of the three message options was given, with its value; exactly one may be.
std::optional<std::string> setMessage(RenderOptions& o, const QCommandLineParser& parser) {
    const std::pair<const char*, MessageSource> sources[] = {
        {"text", MessageSource::Text},
        {"text-file", MessageSource::TextFile},
        {"message", MessageSource::MessageFile}};
    qsizetype given = 0;
    for (const auto& [name, source] : sources) {
        const QStringList values = parser.values(QString::fromLatin1(name));
        given += values.size();
        if (!values.isEmpty()) {
            o.source = source;
            o.message = toBytes(values.last());
        }
    }
    if (given == 0)
        return "die Nachricht fehlt: --text, --text-file oder --message";
    if (given > 1)
        return "nur eines von --text, --text-file und --message";
    return std::nullopt;
}

std::optional<std::string> setExportOptions(RenderOptions& o, const QCommandLineParser& parser) {
    const auto value = [&parser](const char* name) {
        return toBytes(parser.value(QString::fromLatin1(name)));
    };
    o.allPictures = parser.isSet(QStringLiteral("all-pictures"));
    if (parser.isSet(QStringLiteral("scale")))
        if (auto error = setBoundedNumber(o.scale, "--scale", value("scale"), 1, kMaxExportScale))
            return error;
    if (parser.isSet(QStringLiteral("delay")))
        if (auto error = setBoundedNumber(o.delayMs, "--delay", value("delay"), 10, kMaxGifDelayMs))
            return error;
    if (parser.isSet(QStringLiteral("columns")))
        if (auto error = setNumber(o.columns, "--columns", value("columns"), 1))
            return error;
    if (o.allPictures && o.format != RenderFormat::Png)
        return std::string("--all-pictures braucht --format png");
    // Binary data is not written to a terminal, and several pictures need somewhere to go.
    if (o.out)
        return std::nullopt;
    if (o.allPictures)
        return std::string("--all-pictures braucht --out ORDNER");
    if (o.format == RenderFormat::Gif || o.format == RenderFormat::Sheet)
        return std::string("--format gif und --format sheet brauchen --out DATEI");
    return std::nullopt;
}

// UTF-8 text to the message: every line end becomes the paragraph break CR LF.
std::optional<std::string> messageFromUtf8(const std::string& utf8) {
    std::string normalised;
    normalised.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
            continue;
        if (utf8[i] == '\n')
            normalised += "\r\n";
        else
            normalised += utf8[i];
    }
    return utf8ToCp1252(normalised);
}

// A file refused as a message file whose bytes --text-file would read, letters among
// them, was most likely meant for --text-file.
bool looksLikeText(const std::string& path) {
    std::string data;
    if (readRegularFile(path, kMaxMessageFileSize, data))
        return false;
    const auto letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
    return std::any_of(data.begin(), data.end(), letter) && messageFromUtf8(data);
}

struct LoadedMessage {
    std::string text; // Windows-1252
    std::optional<std::string> problem;
};

LoadedMessage loadMessage(const RenderOptions& o) {
    const auto problem = [](std::string reason) { return LoadedMessage{{}, std::move(reason)}; };
    if (o.source == MessageSource::MessageFile) {
        auto read = NachrichtLesen(o.message);
        // A file that cannot be read or is too large is no text file either.
        if (!read)
            return problem(read.error().reason +
                           (looksLikeText(o.message) ? " (eine Textdatei? dann --text-file)" : ""));
        return {std::move(*read), std::nullopt};
    }
    std::string utf8 = o.message;
    if (o.source == MessageSource::TextFile) {
        std::ifstream in(o.message, std::ios::binary);
        if (!in)
            return problem(unreadableFile(o.message, errno).reason);
        std::ostringstream buffer;
        buffer << in.rdbuf();
        utf8 = std::move(buffer).str();
    }
    auto text = messageFromUtf8(utf8);
    if (!text)
        return problem((o.source == MessageSource::TextFile ? "die Textdatei „" + o.message + "“"
                                                            : std::string("der Text von --text")) +
                       " ist kein UTF-8 oder enthält ein Zeichen ohne Windows-1252-Code");
    return {std::move(*text), std::nullopt};
}

void writeCounts(std::ostream& out, const RenderResult& r, const RenderOptions& o) {
    out << "Bildanzahl: " << r.bildanzahl << '\n'
        << "Verbleibende Buchstaben: " << lettersLeftText(o.maxLength, r.laenge) << '\n';
}

void writeAscii(std::ostream& out, const Module1& s, const std::vector<Dot>& dots) {
    const int columns = static_cast<int>(std::ceil(s.Displaybreite));
    const int rows = static_cast<int>(std::ceil(s.Displayhoehe));
    std::vector<std::string> grid(rows, std::string(columns, '.'));
    for (const Dot& d : dots) {
        const auto x = static_cast<int>(d.x), y = static_cast<int>(d.y);
        if (d.x >= 0 && d.y >= 0 && x < columns && y < rows)
            grid[y][x] = '#';
    }
    for (const auto& row : grid)
        out << row << '\n';
}

// To --out, or to standard output without it.
int writeOutput(std::string_view bytes, const RenderOptions& o, std::ostream& out,
                std::ostream& err) {
    if (!o.out) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return kExitOk;
    }
    if (const auto written = writeWholeFile(*o.out, bytes); !written) {
        printProblem(err, kProgram, written.error().reason);
        return kExitUnusable;
    }
    return kExitOk;
}

Result<std::string> pngOf(Module1& s, const std::string& text, int scale) {
    LcdImage image;
    image.resize(displayPictureSize(s), s.Displaybreite, s.Displayhoehe);
    DisplayZeichnen(s, text, image);
    return pngBytes(enlarged(image.image(), scale));
}

bool exportsAllPictures(const RenderOptions& o) {
    return o.allPictures || o.format == RenderFormat::Gif || o.format == RenderFormat::Sheet;
}

// Every picture into the files of --out.
int exportAll(const Module1& s, const std::string& text, const RenderOptions& o,
              std::ostream& err) {
    const ExportSettings settings{o.format == RenderFormat::Gif     ? ExportKind::Gif
                                  : o.format == RenderFormat::Sheet ? ExportKind::Sheet
                                                                    : ExportKind::PngFiles,
                                  static_cast<int>(o.scale), static_cast<int>(o.delayMs),
                                  static_cast<int>(o.columns)};
    PictureFrames frames(s, text);
    const auto written = exportPictures(frames, settings, *o.out);
    if (!written) {
        printProblem(err, kProgram, written.error().reason);
        return kExitUnusable;
    }
    return kExitOk;
}

std::string dotsOf(Module1& s, const std::string& text, const RenderOptions& o) {
    DotRecorder recorder;
    const RenderResult result = DisplayZeichnen(s, text, recorder);
    std::ostringstream body;
    writeCounts(body, result, o);
    if (o.format == RenderFormat::Ascii)
        writeAscii(body, s, recorder.dots);
    else
        for (const Dot& d : recorder.dots)
            body << numberToText(d.x) << ' ' << numberToText(d.y) << '\n';
    return std::move(body).str();
}

// Layout without drawing, for the counts alone.
class NoSurface : public DisplaySurface {
  public:
    void setBackColor(std::int32_t) override {}
    void setDrawWidth(int) override {}
    void line(float, float, float, float, std::int32_t) override {}
};

QString unicodeOf(std::string_view cp1252) {
    return QString::fromStdString(cp1252ToUtf8(cp1252));
}

// Each character as a string of its own.
QJsonArray characterArray(std::string_view cp1252) {
    QJsonArray array;
    for (std::size_t i = 0; i < cp1252.size(); ++i)
        array.append(unicodeOf(cp1252.substr(i, 1)));
    return array;
}

QJsonObject smsObject(const SmsCost& cost) {
    return {{"encoding", cost.encoding == SmsEncoding::Gsm7 ? "gsm7" : "ucs2"},
            {"units", static_cast<qint64>(cost.units)},
            {"parts", static_cast<qint64>(cost.parts)},
            {"unitsLeft", static_cast<qint64>(cost.unitsLeft)},
            {"forcingUcs2", characterArray(cost.forcingUcs2)}};
}

QJsonArray lineArray(const std::vector<DisplayLine>& lines) {
    QJsonArray array;
    for (const DisplayLine& line : lines)
        array.append(QJsonObject{{"picture", line.picture}, {"text", unicodeOf(line.text)}});
    return array;
}

Result<std::string> formatted(Module1& s, const PhoneLists& lists, const std::string& text,
                              const RenderOptions& o) {
    if (o.format == RenderFormat::Png)
        return pngOf(s, text, static_cast<int>(o.scale));
    if (o.format == RenderFormat::Json)
        return jsonReport(s, lists, text, o.maxLength);
    return dotsOf(s, text, o);
}

int writeFormatted(Module1& s, const PhoneLists& lists, const std::string& text,
                   const RenderOptions& o, std::ostream& out, std::ostream& err) {
    const auto bytes = formatted(s, lists, text, o);
    if (!bytes) { // a picture too large to encode
        printProblem(err, kProgram, bytes.error().reason);
        return kExitUnusable;
    }
    return writeOutput(*bytes, o, out, err);
}

} // namespace

std::string jsonReport(Module1& s, const PhoneLists& lists, std::string_view text,
                       double maxLength) {
    NoSurface surface;
    const RenderResult r = DisplayZeichnen(s, text, surface);
    const GlyphFindings found = glyphFindings(text, glyphKinds(lists));
    const QJsonObject report{{"phone", QString::fromStdString(s.Telefonname)},
                             {"pictures", r.bildanzahl},
                             {"lettersLeft", maxLength - static_cast<double>(r.laenge)},
                             {"length", static_cast<qint64>(r.laenge)},
                             {"sms", smsObject(smsCost(text))},
                             {"withoutGlyph", characterArray(found.withoutGlyph)},
                             {"specialCharacters", characterArray(found.specialCharacters)},
                             {"lines", lineArray(displayLines(s, text, r.bildanzahl))}};
    return QJsonDocument(report).toJson().toStdString();
}

std::string renderUsage() {
    const auto n = [](double value) { return numberToText(value); };
    return "Aufruf: smssim-render [--phone DATEI] [--paragraphs] [--picture N] [--max-length N]\n"
           "                      (--text TEXT | --text-file DATEI | --message DATEI)\n"
           "                      [--format dots|ascii|png|json] [--out DATEI] [--max-parts N]\n"
           "       smssim-render ... --format png --all-pictures --out ORDNER [--scale N]\n"
           "       smssim-render ... --format gif --out DATEI.gif [--delay MS] [--scale N]\n"
           "       smssim-render ... --format sheet --out DATEI.png [--columns N] [--scale N]\n"
           "Zeigt, wie eine Nachricht auf dem Display eines Telefons aussieht.\n"
           "  --phone DATEI      Zeichensatzdatei (Vorgabe: Nokia 5110.bsd, im Arbeitsordner,\n"
           "                     sonst im Datenordner des Programms)\n"
           "  --paragraphs       Absätze, wenn das Telefon sie erlaubt (Vorgabe: aus)\n"
           "  --picture N        das gezeigte Bild, ab 1 (Vorgabe: 1)\n"
           "  --max-length N     Höchstlänge für die verbleibenden Buchstaben (Vorgabe: " +
           n(kDefaultMaxLength) +
           ")\n"
           "  --text TEXT        die Nachricht als UTF-8; ein Zeilenende ist ein Absatz\n"
           "  --text-file DATEI  die Nachricht aus einer UTF-8-Textdatei\n"
           "  --message DATEI    die Nachricht aus einer Nachrichtendatei des Programms\n"
           "  --format FORMAT    dots, ascii, png, json, gif oder sheet (Vorgabe: dots)\n"
           "  --out DATEI        Ausgabe in diese Datei (Vorgabe: die Standardausgabe)\n"
           "  --max-parts N      Status 3, wenn die Nachricht mehr als N SMS braucht\n"
           "                     (Vorgabe: keine Grenze)\n"
           "  --all-pictures     jedes Bild als bild-001.png, bild-002.png, ... in den Ordner\n"
           "                     von --out, der angelegt wird, wenn er fehlt (Vorgabe: aus)\n"
           "  --scale N          png, gif und sheet vergrößert, 1 bis " +
           n(kMaxExportScale) +
           " (Vorgabe: 1)\n"
           "  --delay MS         so lange steht jedes Bild im GIF, 10 bis " +
           n(kMaxGifDelayMs) + " (Vorgabe: " + n(kDefaultGifDelayMs) +
           ")\n"
           "  --columns N        Bilder je Reihe im sheet (Vorgabe: " +
           n(kDefaultSheetColumns) +
           ")\n"
           "  -h, --help         diese Hilfe\n"
           "Status: 0 fertig, 1 eine Datei oder ein Text ist unbrauchbar, 2 falsche Argumente,\n"
           "3 mehr SMS als --max-parts\n";
}

std::variant<RenderOptions, std::string> parseRenderArguments(const Args& args) {
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption paragraphs(QStringLiteral("paragraphs"));
    if (auto error = parseArguments(
            parser,
            {help, paragraphs, valueOption("phone", "DATEI"), valueOption("picture", "N"),
             valueOption("max-length", "N"), valueOption("text", "TEXT"),
             valueOption("text-file", "DATEI"), valueOption("message", "DATEI"),
             valueOption("format", "FORMAT"), valueOption("out", "DATEI"),
             valueOption("max-parts", "N"), QCommandLineOption(QStringLiteral("all-pictures")),
             valueOption("scale", "N"), valueOption("delay", "MS"), valueOption("columns", "N")},
            args))
        return *error;
    RenderOptions o;
    if (parser.isSet(help)) {
        o.help = true;
        return o;
    }
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        return "unbekanntes Argument „" + toBytes(extra.first()) + "“";
    o.paragraphs = parser.isSet(paragraphs);
    const auto value = [&parser](const char* name) {
        return toBytes(parser.value(QString::fromLatin1(name)));
    };
    if (parser.isSet(QStringLiteral("phone")))
        o.phone = value("phone");
    if (parser.isSet(QStringLiteral("out")))
        o.out = value("out");
    if (parser.isSet(QStringLiteral("picture")))
        if (auto error = setNumber(o.picture, "--picture", value("picture"), 1))
            return *error;
    if (parser.isSet(QStringLiteral("max-length")))
        if (auto error = setNumber(o.maxLength, "--max-length", value("max-length"), 0))
            return *error;
    if (parser.isSet(QStringLiteral("max-parts")))
        if (auto error = setNumber(o.maxParts.emplace(), "--max-parts", value("max-parts"), 0))
            return *error;
    if (parser.isSet(QStringLiteral("format")))
        if (auto error = setFormat(o, value("format")))
            return *error;
    if (auto error = setExportOptions(o, parser))
        return *error;
    if (auto error = setMessage(o, parser))
        return *error;
    return o;
}

int runRender(const RenderOptions& o, const std::string& dataDir, std::ostream& out,
              std::ostream& err) {
    if (o.help) {
        out << renderUsage();
        return kExitOk;
    }
    if (o.format == RenderFormat::Png && !o.out && o.outputIsTerminal) {
        printUsageError(err, kProgram,
                        "--format png schreibt ein Bild: --out DATEI angeben oder die Ausgabe "
                        "umleiten");
        return kExitUsage;
    }
    Module1 s;
    const std::string phone = o.phone ? *o.phone : findDefaultPhone(dataDir);
    const auto loaded = ZeichensatzLaden(s, phone);
    if (!loaded) {
        printProblem(err, kProgram, loaded.error().reason);
        return kExitUnusable;
    }
    const PhoneLists& lists = *loaded;
    if (o.paragraphs && !lists.absaetzeErlaubt) {
        printUsageError(err, kProgram,
                        "--paragraphs: die Zeichensatzdatei „" + phone + "“ erlaubt keine Absätze");
        return kExitUsage;
    }
    const LoadedMessage message = loadMessage(o);
    if (message.problem) {
        printProblem(err, kProgram, *message.problem);
        return kExitUnusable;
    }
    const std::string& text = message.text;
    s.Absaetze = o.paragraphs;
    NoSurface layout;
    if (const auto pictures = DisplayZeichnen(s, text, layout).bildanzahl; o.picture > pictures) {
        printUsageError(err, kProgram,
                        "Bild " + numberToText(o.picture) + " gibt es nicht: die Nachricht hat " +
                            std::to_string(pictures) + (pictures == 1 ? " Bild" : " Bilder"));
        return kExitUsage;
    }
    s.Bildversatz = bildversatzFuer(o.picture, s.Bildhoehe);
    const int status = exportsAllPictures(o) ? exportAll(s, text, o, err)
                                             : writeFormatted(s, lists, text, o, out, err);
    if (status != kExitOk || !o.maxParts)
        return status;
    if (const auto parts = smsCost(text).parts; static_cast<double>(parts) > *o.maxParts) {
        printProblem(err, kProgram,
                     "die Nachricht braucht " + std::to_string(parts) +
                         " SMS, --max-parts erlaubt " + numberToText(*o.maxParts));
        return kExitTooManyParts;
    }
    return kExitOk;
}

int runRenderCommand(const Args& args, const std::string& dataDir, bool outputIsTerminal,
                     std::ostream& out, std::ostream& err) {
    auto parsed = parseRenderArguments(args);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        printUsageError(err, kProgram, *error);
        return kExitUsage;
    }
    auto& options = std::get<RenderOptions>(parsed);
    options.outputIsTerminal = outputIsTerminal;
    return runRender(options, dataDir, out, err);
}

} // namespace smssim
