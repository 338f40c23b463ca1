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
#include <limits>
#include <sstream>
#include <tuple>

namespace smssim {

namespace {

using Args = std::vector<std::string>;

constexpr const char* kProgram = "smssim-render";

const OptionTable kOptions{
    {"phone", "DATEI",
     "Zeichensatzdatei (Vorgabe: Nokia 5110.bsd, im Arbeitsordner,\n"
     "sonst im Datenordner des Programms)"},
    {"paragraphs", nullptr, "Absätze, wenn das Telefon sie erlaubt (Vorgabe: aus)"},
    {"picture", "N", "das gezeigte Bild, ab 1 (Vorgabe: 1)"},
    {"max-length", "N",
     "Höchstlänge für die verbleibenden Buchstaben (Vorgabe: " + std::to_string(kDefaultMaxLength) +
         ")"},
    {"text", "TEXT", "die Nachricht als UTF-8; ein Zeilenende ist ein Absatz"},
    {"text-file", "DATEI", "die Nachricht aus einer UTF-8-Textdatei"},
    {"message", "DATEI", "die Nachricht aus einer Nachrichtendatei des Programms"},
    {"format", "FORMAT", "dots, ascii, png, json, gif, sheet, xbm, pbm oder c\n(Vorgabe: dots)"},
    {"out", "DATEI", "Ausgabe in diese Datei (Vorgabe: die Standardausgabe)"},
    {"max-parts", "N",
     "Status 3, wenn die Nachricht mehr als N SMS braucht\n(Vorgabe: keine Grenze)"},
    {"smart", nullptr,
     "json und --max-parts auch mit ersetzten Zeichen, die UCS-2\nerzwingen (Vorgabe: aus)"},
    {"national", "LISTE",
     "die Landessprachtabellen des Netzes: es, pt, tr, durch Kommas\ngetrennt (Vorgabe: keine)"},
    {"all-pictures", nullptr,
     "png, xbm, pbm: jedes Bild als bild-001.png, ... in den Ordner\n"
     "von --out, der angelegt wird, wenn er fehlt (Vorgabe: aus)"},
    {"scale", "N",
     "png, gif und sheet vergrößert, 1 bis " + std::to_string(kMaxExportScale) + " (Vorgabe: 1)"},
    {"delay", "MS",
     "so lange steht jedes Bild im GIF, 10 bis " + std::to_string(kMaxGifDelayMs) +
         " (Vorgabe: " + std::to_string(kDefaultGifDelayMs) + ")"},
    {"columns", "N",
     "Bilder je Reihe im sheet (Vorgabe: " + std::to_string(kDefaultSheetColumns) + ")"},
    {"name", "NAME", "der Name im C-Code von xbm und c (Vorgabe: bild)"},
    {"bytes", "ORDNUNG",
     "die Bytes des C-Headers: pages (PCD8544, SSD1306) oder rows\n(Adafruit drawBitmap) "
     "(Vorgabe: pages)"}};

Result<> setFormat(RenderOptions& o, const QCommandLineParser& parser) {
    const auto name = optionValue(parser, "format");
    if (!name)
        return {};
    const std::pair<const char*, RenderFormat> formats[] = {
        {"dots", RenderFormat::Dots}, {"ascii", RenderFormat::Ascii},
        {"png", RenderFormat::Png},   {"json", RenderFormat::Json},
        {"gif", RenderFormat::Gif},   {"sheet", RenderFormat::Sheet},
        {"xbm", RenderFormat::Xbm},   {"pbm", RenderFormat::Pbm},
        {"c", RenderFormat::C}};
    for (const auto& [known, format] : formats)
        if (*name == known) {
            o.format = format;
            return {};
        }
    return usageProblem("unbekanntes Format „" + *name +
                        "“ (dots, ascii, png, json, gif, sheet, xbm, pbm oder c)");
}

// The C names and the byte order of the firmware formats.
Result<> setFirmwareOptions(RenderOptions& o, const QCommandLineParser& parser) {
    if (const auto name = optionValue(parser, "name")) {
        if (!isCIdentifier(*name))
            return usageProblem("--name braucht einen Namen aus Buchstaben, Ziffern und _, "
                                "der nicht mit einer Ziffer beginnt, nicht „" +
                                *name + "“");
        o.name = *name;
    }
    if (const auto bytes = optionValue(parser, "bytes")) {
        if (*bytes != "pages" && *bytes != "rows")
            return usageProblem("--bytes braucht pages oder rows, nicht „" + *bytes + "“");
        o.bytes = *bytes == "pages" ? ByteOrder::Pages : ByteOrder::Rows;
    }
    return {};
}

// The whole numbers given, each of at least its minimum; one above its maximum is refused
// naming both ends.
Result<> setNumbers(const QCommandLineParser& parser,
                    std::initializer_list<std::tuple<const char*, int*, int, int>> numbers) {
    for (const auto& [name, into, minimum, maximum] : numbers) {
        const auto text = optionValue(parser, name);
        if (!text)
            continue;
        const std::string option = std::string("--") + name;
        auto value = wholeNumber(option, *text, minimum);
        if (value.has_value() && *value > maximum)
            value = wholeNumber(option, *text, minimum, maximum);
        if (!value.has_value())
            return std::unexpected(value.error());
        *into = *value;
    }
    return {};
}

constexpr int kNoMaximum = std::numeric_limits<int>::max();

// --national: a non-empty list of es, pt and tr, each once, in any order.
Result<> setNational(RenderOptions& o, const QCommandLineParser& parser) {
    const auto list = optionValue(parser, "national");
    if (!list)
        return {};
    const std::pair<std::string_view, int> languages[] = {
        {"tr", kTurkish}, {"es", kSpanish}, {"pt", kPortuguese}};
    for (std::size_t from = 0; from <= list->size();) {
        const std::size_t comma = std::min(list->find(',', from), list->size());
        const std::string_view name = std::string_view(*list).substr(from, comma - from);
        const auto known = std::find_if(std::begin(languages), std::end(languages),
                                        [&](const auto& l) { return name == l.first; });
        if (known == std::end(languages) || o.national.has(known->second))
            return usageProblem("--national braucht es, pt oder tr, jede höchstens einmal und "
                                "durch Kommas getrennt, nicht „" +
                                *list + "“");
        o.national = o.national.with(known->second);
        from = comma + 1;
    }
    return {};
}

// Which of the three message options was given, with its value; exactly one may be.
Result<> setMessage(RenderOptions& o, const QCommandLineParser& parser) {
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
        return usageProblem("die Nachricht fehlt: --text, --text-file oder --message");
    if (given > 1)
        return usageProblem("nur eines von --text, --text-file und --message");
    return {};
}

Result<> setExportOptions(RenderOptions& o, const QCommandLineParser& parser) {
    o.allPictures = parser.isSet(QStringLiteral("all-pictures"));
    if (auto e = setNumbers(parser, {{"scale", &o.scale, 1, kMaxExportScale},
                                     {"delay", &o.delayMs, 10, kMaxGifDelayMs},
                                     {"columns", &o.columns, 1, kNoMaximum}});
        !e)
        return e;
    if (o.allPictures && o.format != RenderFormat::Png && o.format != RenderFormat::Xbm &&
        o.format != RenderFormat::Pbm)
        return usageProblem("--all-pictures braucht --format png, xbm oder pbm");
    // Binary data is not written to a terminal, and several pictures need somewhere to go.
    if (o.out)
        return {};
    if (o.allPictures)
        return usageProblem("--all-pictures braucht --out ORDNER");
    if (o.format == RenderFormat::Gif || o.format == RenderFormat::Sheet)
        return usageProblem("--format gif und --format sheet brauchen --out DATEI");
    return {};
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

// The message in Windows-1252.
Result<std::string> loadMessage(const RenderOptions& o) {
    if (o.source == MessageSource::MessageFile) {
        auto read = NachrichtLesen(o.message);
        // A file that cannot be read or is too large is no text file either.
        if (!read)
            return fail(read.error().reason +
                        (looksLikeText(o.message) ? " (eine Textdatei? dann --text-file)" : ""));
        return std::move(*read);
    }
    std::string utf8 = o.message;
    if (o.source == MessageSource::TextFile) {
        std::ifstream in(o.message, std::ios::binary);
        if (!in)
            return unreadableFile(o.message, errno);
        std::ostringstream buffer;
        buffer << in.rdbuf();
        utf8 = std::move(buffer).str();
    }
    auto text = messageFromUtf8(utf8);
    if (!text)
        return fail((o.source == MessageSource::TextFile ? "die Textdatei „" + o.message + "“"
                                                         : std::string("der Text von --text")) +
                    " ist kein UTF-8 oder enthält ein Zeichen ohne Windows-1252-Code");
    return std::move(*text);
}

void writeCounts(std::ostream& out, const RenderResult& r, const RenderOptions& o) {
    out << "Bildanzahl: " << r.bildanzahl << '\n'
        << "Verbleibende Buchstaben: " << lettersLeftText(o.maxLength, r.laenge) << '\n';
}

void writeAscii(std::ostream& out, const Module1& s, const std::vector<Dot>& dots) {
    const PixelGrid grid = pixelGrid(s, dots);
    for (int y = 0; y < grid.height; ++y) {
        for (int x = 0; x < grid.width; ++x)
            out << (grid.at(x, y) ? '#' : '.');
        out << '\n';
    }
}

// To --out, or to standard output without it.
Result<> writeOutput(std::string_view bytes, const RenderOptions& o, std::ostream& out) {
    if (!o.out) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return {};
    }
    return writeWholeFile(*o.out, bytes);
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

ExportKind exportKind(RenderFormat format) {
    switch (format) {
    case RenderFormat::Gif:
        return ExportKind::Gif;
    case RenderFormat::Sheet:
        return ExportKind::Sheet;
    case RenderFormat::Xbm:
        return ExportKind::XbmFiles;
    case RenderFormat::Pbm:
        return ExportKind::PbmFiles;
    default:
        return ExportKind::PngFiles;
    }
}

// Every picture into the files of --out.
Result<> exportAll(const Module1& s, const std::string& text, const RenderOptions& o) {
    const ExportSettings settings{
        exportKind(o.format), o.scale, o.delayMs, o.columns, o.bytes, o.name};
    PictureFrames frames(s, text);
    if (const auto written = exportPictures(frames, settings, *o.out); !written)
        return std::unexpected(written.error());
    return {};
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

QJsonObject costObject(const SmsCost& cost) {
    return {{"encoding", cost.encoding == SmsEncoding::Gsm7 ? "gsm7" : "ucs2"},
            {"units", static_cast<qint64>(cost.units)},
            {"parts", static_cast<qint64>(cost.parts)},
            {"unitsLeft", static_cast<qint64>(cost.unitsLeft)}};
}

QJsonObject smsObject(const SmsCost& cost) {
    QJsonObject sms = costObject(cost);
    sms.insert("forcingUcs2", characterArray(cost.forcingUcs2));
    sms.insert("lineBreaks", static_cast<qint64>(cost.lineBreaks));
    sms.insert("locking", cost.locking);
    sms.insert("single", cost.single);
    return sms;
}

QJsonObject smartObject(const SmartReplacement& smart) {
    QJsonObject object = costObject(smart.cost);
    object.insert("text", unicodeOf(smart.text));
    object.insert("replaced", characterArray(smart.replaced));
    return object;
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
        return pngOf(s, text, o.scale);
    if (o.format == RenderFormat::Json)
        return jsonReport(s, lists, text, o.maxLength, o.national, o.smart);
    if (o.format == RenderFormat::C)
        return cHeader(pictureGrids(s, text), o.name, s.Telefonname, o.bytes);
    if (o.format == RenderFormat::Xbm || o.format == RenderFormat::Pbm) {
        DotRecorder picture;
        DisplayZeichnen(s, text, picture);
        const PixelGrid grid = pixelGrid(s, picture.dots);
        return o.format == RenderFormat::Xbm ? xbmImage(grid, o.name) : pbmImage(grid);
    }
    return dotsOf(s, text, o);
}

Result<> writeFormatted(Module1& s, const PhoneLists& lists, const std::string& text,
                        const RenderOptions& o, std::ostream& out) {
    const auto bytes = formatted(s, lists, text, o);
    if (!bytes) // a picture too large to encode
        return std::unexpected(bytes.error());
    return writeOutput(*bytes, o, out);
}

} // namespace

std::string jsonReport(Module1& s, const PhoneLists& lists, std::string_view text, int maxLength,
                       NationalLanguages national, bool smart) {
    NoSurface surface;
    const RenderResult r = DisplayZeichnen(s, text, surface);
    const GlyphFindings found = glyphFindings(text, glyphKinds(lists));
    QJsonObject report{{"phone", QString::fromStdString(s.Telefonname)},
                       {"pictures", r.bildanzahl},
                       {"lettersLeft", maxLength - static_cast<double>(r.laenge)},
                       {"length", static_cast<qint64>(r.laenge)},
                       {"sms", smsObject(smsCost(text, national))},
                       {"withoutGlyph", characterArray(found.withoutGlyph)},
                       {"specialCharacters", characterArray(found.specialCharacters)},
                       {"lines", lineArray(displayLines(s, text, r.bildanzahl))}};
    if (smart)
        report.insert("smart", smartObject(smartReplacement(text, national)));
    return QJsonDocument(report).toJson().toStdString();
}

std::string renderUsage() {
    return usageText(
        "Aufruf: smssim-render [--phone DATEI] [--paragraphs] [--picture N] [--max-length N]\n"
        "                      (--text TEXT | --text-file DATEI | --message DATEI)\n"
        "                      [--format dots|ascii|png|json|xbm|pbm] [--out DATEI] [--max-parts "
        "N]\n"
        "                      [--smart] [--national es,pt,tr]\n"
        "       smssim-render ... --format c [--bytes pages|rows] [--name NAME]\n"
        "       smssim-render ... --format png|xbm|pbm --all-pictures --out ORDNER [--scale N]\n"
        "       smssim-render ... --format gif --out DATEI.gif [--delay MS] [--scale N]\n"
        "       smssim-render ... --format sheet --out DATEI.png [--columns N] [--scale N]\n"
        "Zeigt, wie eine Nachricht auf dem Display eines Telefons aussieht.\n",
        kOptions,
        "Status: 0 fertig, 1 eine Datei oder ein Text ist unbrauchbar, 2 falsche Argumente,\n"
        "3 mehr SMS als --max-parts\n");
}

namespace {

Result<> readOptions(RenderOptions& o, const QCommandLineParser& parser) {
    if (const QStringList extra = parser.positionalArguments(); !extra.isEmpty())
        return usageProblem("unbekanntes Argument „" + toBytes(extra.first()) + "“");
    o.paragraphs = parser.isSet(QStringLiteral("paragraphs"));
    o.smart = parser.isSet(QStringLiteral("smart"));
    o.phone = optionValue(parser, "phone");
    o.out = optionValue(parser, "out");
    int maxParts = 0;
    if (auto e = setNumbers(parser, {{"picture", &o.picture, 1, kNoMaximum},
                                     {"max-length", &o.maxLength, 0, kNoMaximum},
                                     {"max-parts", &maxParts, 0, kNoMaximum}});
        !e)
        return e;
    if (parser.isSet(QStringLiteral("max-parts")))
        o.maxParts = maxParts;
    for (const auto& set :
         {setFormat, setExportOptions, setMessage, setFirmwareOptions, setNational})
        if (auto e = set(o, parser); !e)
            return e;
    return {};
}

// Everything after the arguments; the problem that stopped it.
Result<> render(const RenderOptions& o, const std::string& dataDir, std::ostream& out) {
    if ((o.format == RenderFormat::Png || o.format == RenderFormat::Pbm) && !o.out &&
        o.outputIsTerminal)
        return usageProblem(std::string("--format ") +
                            (o.format == RenderFormat::Png ? "png" : "pbm") +
                            " schreibt ein Bild: --out DATEI angeben oder die Ausgabe umleiten");
    Module1 s;
    const std::string phone = o.phone ? *o.phone : findDefaultPhone(dataDir);
    const auto loaded = ZeichensatzLaden(s, phone);
    if (!loaded)
        return std::unexpected(loaded.error());
    const PhoneLists& lists = *loaded;
    if (o.paragraphs && !lists.absaetzeErlaubt)
        return usageProblem("--paragraphs: die Zeichensatzdatei „" + phone +
                            "“ erlaubt keine Absätze");
    const auto message = loadMessage(o);
    if (!message.has_value())
        return std::unexpected(message.error());
    const std::string& text = *message;
    s.Absaetze = o.paragraphs;
    NoSurface layout;
    if (const auto pictures = DisplayZeichnen(s, text, layout).bildanzahl; o.picture > pictures)
        return usageProblem("Bild " + std::to_string(o.picture) +
                            " gibt es nicht: die Nachricht hat " + std::to_string(pictures) +
                            (pictures == 1 ? " Bild" : " Bilder"));
    s.Bildversatz = bildversatzFuer(o.picture, s.Bildhoehe);
    const auto written =
        exportsAllPictures(o) ? exportAll(s, text, o) : writeFormatted(s, lists, text, o, out);
    if (!written.has_value() || !o.maxParts)
        return written;
    // With --smart the message would be sent with its look-alikes.
    const SmsCost cost =
        o.smart ? smartReplacement(text, o.national).cost : smsCost(text, o.national);
    if (const auto parts = cost.parts; parts > *o.maxParts)
        return fail("die Nachricht braucht " + std::to_string(parts) +
                        " SMS, --max-parts erlaubt " + std::to_string(*o.maxParts),
                    ExitStatus::TooManyParts);
    return {};
}

} // namespace

Result<RenderOptions> parseRenderArguments(const Args& args) {
    return parseInto<RenderOptions>(kOptions, args, readOptions);
}

int runRender(const RenderOptions& o, const std::string& dataDir, std::ostream& out,
              std::ostream& err) {
    if (o.help) {
        out << renderUsage();
        return exitCode(ExitStatus::Ok);
    }
    const auto done = render(o, dataDir, out);
    return done.has_value() ? exitCode(ExitStatus::Ok) : report(err, kProgram, done.error());
}

int runRenderCommand(const Args& args, const std::string& dataDir, bool outputIsTerminal,
                     std::ostream& out, std::ostream& err) {
    auto parsed = parseRenderArguments(args);
    if (!parsed.has_value())
        return report(err, kProgram, parsed.error());
    parsed->outputIsTerminal = outputIsTerminal;
    return runRender(*parsed, dataDir, out, err);
}

} // namespace smssim
