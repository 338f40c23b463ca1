#include "render_cli.h"

#include "cp1252.h"
#include "default_phone.h"
#include "dot_recorder.h"
#include "lcd_image.h"
#include "message_file.h"
#include "numbers.h"
#include "phone_loader.h"
#include "renderer.h"

#include <QBuffer>
#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>

namespace smssim {

namespace {

using Args = std::vector<std::string>;

std::optional<std::string> takeValue(const Args& args, std::size_t& i) {
    if (i + 1 >= args.size())
        return std::nullopt;
    return args[++i];
}

std::optional<std::string> setFormat(RenderOptions& o, const std::string& name) {
    if (name == "dots")
        o.format = RenderFormat::Dots;
    else if (name == "ascii")
        o.format = RenderFormat::Ascii;
    else if (name == "png")
        o.format = RenderFormat::Png;
    else
        return "unknown format '" + name + "' (dots, ascii or png)";
    return std::nullopt;
}

std::optional<std::string> setNumber(double& into, const std::string& option,
                                     const std::string& text, double minimum) {
    const auto value = parseNumber(text);
    if (!value || *value != std::floor(*value) || *value < minimum || !toLong(*value))
        return option + " needs a whole number of at least " + numberToText(minimum) + ", not '" +
               text + "'";
    into = *value;
    return std::nullopt;
}

// One option at args[i]; advances i past its value.
std::optional<std::string> parseOne(RenderOptions& o, const Args& args, std::size_t& i,
                                    bool& haveMessage) {
    const std::string& a = args[i];
    if (a == "--paragraphs") {
        o.paragraphs = true;
        return std::nullopt;
    }
    const auto value = takeValue(args, i);
    if (a != "--phone" && a != "--picture" && a != "--max-length" && a != "--text" &&
        a != "--text-file" && a != "--message" && a != "--format" && a != "--out")
        return "unknown argument '" + a + "'";
    if (!value)
        return a + " needs a value";
    if (a == "--phone")
        o.phone = *value;
    else if (a == "--picture")
        return setNumber(o.picture, a, *value, 1);
    else if (a == "--max-length")
        return setNumber(o.maxLength, a, *value, 0);
    else if (a == "--format")
        return setFormat(o, *value);
    else if (a == "--out")
        o.out = *value;
    else {
        if (haveMessage)
            return "give only one of --text, --text-file and --message";
        haveMessage = true;
        o.source = a == "--text"        ? MessageSource::Text
                   : a == "--text-file" ? MessageSource::TextFile
                                        : MessageSource::MessageFile;
        o.message = *value;
    }
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

std::variant<std::string, std::string> loadMessage(const RenderOptions& o) {
    if (o.source == MessageSource::MessageFile) {
        auto read = NachrichtLesen(o.message);
        if (auto* error = std::get_if<MessageFileError>(&read))
            return std::variant<std::string, std::string>(std::in_place_index<1>, error->text());
        return std::variant<std::string, std::string>(std::in_place_index<0>,
                                                      std::get<std::string>(read));
    }
    std::string utf8 = o.message;
    if (o.source == MessageSource::TextFile) {
        std::ifstream in(o.message, std::ios::binary);
        std::ostringstream buffer;
        if (in)
            buffer << in.rdbuf();
        if (!in || in.bad())
            return std::variant<std::string, std::string>(
                std::in_place_index<1>, "cannot read the text file '" + o.message + "'");
        utf8 = std::move(buffer).str();
    }
    auto text = messageFromUtf8(utf8);
    if (!text) {
        const std::string where = o.source == MessageSource::TextFile
                                      ? "the text file '" + o.message + "'"
                                      : "the text given with --text";
        return std::variant<std::string, std::string>(
            std::in_place_index<1>,
            where + " is not UTF-8 or holds a character without a Windows-1252 code");
    }
    return std::variant<std::string, std::string>(std::in_place_index<0>, std::move(*text));
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
    std::ofstream file(*o.out, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        err << "smssim-render: cannot write '" << *o.out << "'\n";
        return kExitUnusable;
    }
    return kExitOk;
}

std::string pngOf(Module1& s, const std::string& text) {
    LcdImage image;
    image.resize(displayPictureSize(s), s.Displaybreite, s.Displayhoehe);
    DisplayZeichnen(s, text, image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.image().save(&buffer, "PNG");
    return bytes.toStdString();
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

} // namespace

std::string renderUsage() {
    return "usage: smssim-render [--phone FILE] [--paragraphs] [--picture N] [--max-length N]\n"
           "                     (--text TEXT | --text-file FILE | --message FILE)\n"
           "                     [--format dots|ascii|png] [--out FILE]\n";
}

std::variant<RenderOptions, std::string> parseRenderArguments(const Args& args) {
    RenderOptions o;
    bool haveMessage = false;
    for (std::size_t i = 0; i < args.size(); ++i)
        if (auto error = parseOne(o, args, i, haveMessage))
            return *error;
    if (!haveMessage)
        return std::string("one of --text, --text-file and --message is needed");
    return o;
}

int runRender(const RenderOptions& o, const std::string& dataDir, std::ostream& out,
              std::ostream& err) {
    Module1 s;
    const std::string phone = o.phone ? *o.phone : findDefaultPhone(dataDir);
    auto loaded = ZeichensatzLaden(s, phone);
    if (auto* error = std::get_if<PhoneError>(&loaded)) {
        err << "smssim-render: " << error->text() << '\n';
        return kExitUnusable;
    }
    if (o.paragraphs && !std::get<PhoneLists>(loaded).absaetzeErlaubt) {
        err << "smssim-render: --paragraphs: the phone definition '" << phone
            << "' does not allow paragraphs\n";
        return kExitUsage;
    }
    auto message = loadMessage(o);
    if (message.index() == 1) {
        err << "smssim-render: " << std::get<1>(message) << '\n';
        return kExitUnusable;
    }
    const std::string& text = std::get<0>(message);
    s.Absaetze = o.paragraphs;
    s.Bildversatz = bildversatzFuer(o.picture, s.Bildhoehe);
    const std::string bytes = o.format == RenderFormat::Png ? pngOf(s, text) : dotsOf(s, text, o);
    return writeOutput(bytes, o, out, err);
}

} // namespace smssim
