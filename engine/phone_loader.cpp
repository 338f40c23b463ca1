#include "phone_loader.h"
#include "line_ends.h"

#include "cp1252.h"
#include "error_reason.h"
#include "fields.h"
#include "numbers.h"
#include "read_file.h"

#include <optional>

namespace smssim {

namespace {

// "Absätze: Ja" in Windows-1252.
constexpr std::string_view kAbsaetzeJa = "Abs\xE4tze: Ja";
constexpr std::string_view kZeilensprungJa = "Zeilensprung: Ja";
constexpr int kMaxRows = kGlyphSize;
constexpr int kMaxRowField = kGlyphSize;
constexpr int kHeaderFields = 10;

struct Refusal {
    int line;
    std::string reason;
};

// Everything a file supplies, built completely before the state is touched.
struct Parsed {
    PhoneData phone;
    PhoneLists lists;
    GlyphTable zeichen;
};

// Line of a byte position, counted as the field reader counts lines.
int lineAt(std::string_view data, std::size_t pos) {
    int line = 1;
    for (std::size_t i = 0; i < pos; ++i)
        if (lineEndsAt(data, i))
            ++line;
    return line;
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// UTF-8 after its byte order mark to Windows-1252, line by line so that a refusal can
// name the line. Line ends are ASCII and never part of a longer UTF-8 sequence.
std::expected<std::string, Refusal> fromUtf8(std::string_view data) {
    std::string out;
    out.reserve(data.size());
    int line = 1;
    std::size_t start = 0;
    while (start <= data.size()) {
        std::size_t end = data.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = data.size();
        const auto converted = utf8ToCp1252(data.substr(start, end - start));
        if (!converted)
            return std::unexpected(
                Refusal{line, "Die Datei ist als UTF-8 gekennzeichnet, aber diese Zeile ist "
                              "kein gültiges UTF-8 oder enthält ein Zeichen, das Windows-1252 "
                              "nicht kennt"});
        out += *converted;
        if (end == data.size())
            break;
        const std::size_t next = data.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        out.append(data.substr(end, next - end));
        start = next;
        ++line;
    }
    return out;
}

// Checks that concern the file as a whole; `text` becomes the Windows-1252 contents.
std::optional<Refusal> checkContents(std::string_view data, std::string& converted,
                                     std::string_view& text) {
    if (data.size() > kMaxPhoneFileSize)
        return Refusal{0, "Die Datei ist größer als 1 MB (" + std::to_string(kMaxPhoneFileSize) +
                              " Bytes); so groß ist keine Zeichensatzdatei"};
    if (data.starts_with("\xFF\xFE") || data.starts_with("\xFE\xFF"))
        return Refusal{1, "Die Datei ist UTF-16-kodiert; erwartet wird Windows-1252"};
    text = data;
    if (data.starts_with(kUtf8Bom)) {
        auto result = fromUtf8(data.substr(kUtf8Bom.size()));
        if (!result)
            return result.error();
        converted = std::move(*result);
        text = converted;
    }
    if (const auto nul = text.find('\0'); nul != std::string_view::npos)
        return Refusal{lineAt(text, nul), "Die Datei enthält ein Nullbyte und ist keine Textdatei"};
    return std::nullopt;
}

class Parser {
  public:
    Parser(std::string_view data, const GlyphTable& previous) : reader_(data) {
        out_.zeichen = previous;
    }

    std::optional<Refusal> run();
    Parsed& result() { return out_; }

  private:
    std::optional<Refusal> header();
    std::optional<Refusal> number(const char* what, const Field& f, double& into);
    std::optional<Refusal> glyphs();
    std::optional<Refusal> rowField(const Field& f);
    std::optional<Refusal> codeField(const Field& f);
    std::optional<Refusal> storeCounts(int line);

    FieldReader reader_;
    Parsed out_;
    int code_ = 1;
    int rows_ = 0;
    int width_ = 0;
    bool special_ = false;
    int lastLine_ = 1;
};

std::optional<Refusal> Parser::number(const char* what, const Field& f, double& into) {
    const auto value = parseNumber(f.text);
    if (!value)
        return Refusal{f.line,
                       std::string(what) + ": " + quotedForDisplay(f.text) + " ist keine Zahl"};
    into = *value;
    return std::nullopt;
}

std::optional<Refusal> Parser::header() {
    static constexpr const char* kNames[kHeaderFields] = {
        "Telefonname", "Zeilenbreite",  "Bildhöhe",   "Dateiendung", "Hintergrundfarbe",
        "Displayhöhe", "Displaybreite", "Zeilenhöhe", "Absätze",     "Zeilensprung"};
    Field f[kHeaderFields];
    for (int i = 0; i < kHeaderFields; ++i) {
        if (reader_.atEnd())
            return Refusal{lastLine_, std::string("Die Datei endet vor dem Feld ") + kNames[i] +
                                          " (Feld " + std::to_string(i + 1) + " von " +
                                          std::to_string(kHeaderFields) + ")"};
        f[i] = reader_.next();
        lastLine_ = f[i].line;
        if (f[i].quoted && !f[i].closed)
            return Refusal{f[i].line, "Das Anführungszeichen wird nicht geschlossen"};
    }
    out_.phone.Telefonname = cp1252ToUtf8(f[0].text);
    out_.phone.Dateiendung = cp1252ToUtf8(f[3].text);
    const std::pair<int, double*> numeric[] = {{1, &out_.phone.Zeilenbreite},
                                               {2, &out_.phone.Bildhoehe},
                                               {5, &out_.phone.Displayhoehe},
                                               {6, &out_.phone.Displaybreite},
                                               {7, &out_.phone.Zeilenhoehe}};
    for (const auto& [index, into] : numeric)
        if (auto r = number(kNames[index], f[index], *into))
            return r;
    double colour = 0;
    if (auto r = number(kNames[4], f[4], colour))
        return r;
    const auto colourLong = toLong(colour);
    if (!colourLong)
        return Refusal{f[4].line, "Hintergrundfarbe: " + quotedForDisplay(f[4].text) +
                                      " liegt außerhalb des 32-Bit-Bereichs"};
    out_.phone.Hintergrundfarbe = *colourLong;
    if (out_.phone.Bildhoehe <= 0)
        return Refusal{f[2].line, "Bildhöhe muss größer als 0 sein"};
    for (int index : {5, 6}) {
        const double v = index == 5 ? out_.phone.Displayhoehe : out_.phone.Displaybreite;
        if (v <= 0 || v > kMaxDisplaySize)
            return Refusal{f[index].line, std::string(kNames[index]) +
                                              " muss größer als 0 und höchstens " +
                                              numberToText(kMaxDisplaySize) + " sein"};
    }
    out_.lists.absaetzeErlaubt = f[8].text == kAbsaetzeJa;
    out_.phone.Zeilensprung = f[9].text == kZeilensprungJa;
    return std::nullopt;
}

std::optional<Refusal> Parser::storeCounts(int line) {
    if (rows_ > kMaxRows)
        return Refusal{line, "Das Zeichen " + std::to_string(code_) + " hat " +
                                 std::to_string(rows_) + " Zeilen, höchstens " +
                                 std::to_string(kMaxRows) + " sind erlaubt"};
    auto& glyph = out_.zeichen[code_];
    glyph.Breite = static_cast<std::int16_t>(width_);
    glyph.Hoehe = static_cast<std::int16_t>(rows_);
    return std::nullopt;
}

std::optional<Refusal> Parser::rowField(const Field& f) {
    const int length = static_cast<int>(f.text.size());
    if (length > kMaxRowField)
        return Refusal{f.line, "Die Pixelzeile " + quotedForDisplay(f.text) + " hat " +
                                   std::to_string(length) + " Zeichen, höchstens " +
                                   std::to_string(kMaxRowField) + " sind erlaubt"};
    for (int p = 1; p <= length; ++p) {
        const char c = f.text[p - 1];
        if (c == ':') {
            ++rows_;
        } else if (c == '#' || c == '_') {
            if (rows_ > kMaxRows)
                return Refusal{f.line, "Pixel in Zeile " + std::to_string(rows_) +
                                           " des Zeichens " + std::to_string(code_) +
                                           ", höchstens " + std::to_string(kMaxRows) +
                                           " Zeilen sind erlaubt"};
            out_.zeichen[code_].punkt(rows_, p - 1) = c == '#' ? -1 : 0;
        }
    }
    if (length >= width_)
        width_ = length;
    return std::nullopt;
}

std::optional<Refusal> Parser::codeField(const Field& f) {
    const auto value = parseNumber(f.text);
    if (!value)
        return Refusal{f.line, "Zeichencode " + quotedForDisplay(f.text) + " ist keine Zahl"};
    if (*value != roundHalfEven(*value) || *value < 0 || *value > 255)
        return Refusal{f.line, "Zeichencode " + quotedForDisplay(f.text) +
                                   " ist keine ganze Zahl von 0 bis 255"};
    if (auto r = storeCounts(f.line))
        return r;
    rows_ = 0;
    width_ = 0;
    code_ = static_cast<int>(*value);
    (special_ ? out_.lists.sonder : out_.lists.verfuegbar) += static_cast<char>(code_);
    return std::nullopt;
}

std::optional<Refusal> Parser::glyphs() {
    while (!reader_.atEnd()) {
        const Field f = reader_.next();
        lastLine_ = f.line;
        if (f.quoted && !f.closed)
            return Refusal{f.line, "Das Anführungszeichen wird nicht geschlossen"};
        if (f.text == "S")
            special_ = true;
        const bool digit = !f.text.empty() && f.text[0] >= '0' && f.text[0] <= '9';
        if (auto r = digit ? codeField(f) : rowField(f))
            return r;
    }
    return storeCounts(lastLine_);
}

std::optional<Refusal> Parser::run() {
    if (auto r = header())
        return r;
    ZeichensatzLeeren(out_.zeichen);
    return glyphs();
}

std::optional<std::string> readWholeFile(const std::string& path, std::string& data) {
    const auto error = readRegularFile(path, kMaxPhoneFileSize, data);
    if (!error)
        return std::nullopt;
    return germanErrorReason(*error, FileAccess::Lesen);
}

// The text shown for a refused file: names the file, the line (0: the file as a whole)
// and the reason.
std::unexpected<Problem> refused(const std::string& datei, int zeile, const std::string& grund) {
    return fileProblem("Die Zeichensatzdatei", datei, "geladen", grund, zeile);
}

} // namespace

void ZeichensatzLeeren(GlyphTable& zeichen) {
    for (int code = 1; code <= 255; ++code) {
        auto& glyph = zeichen[code];
        for (int row = 1; row <= kGlyphSize; ++row)
            for (int column = 1; column <= kGlyphSize; ++column)
                glyph.punkt(row, column) = 0;
        glyph.Breite = 0;
        glyph.Hoehe = 0;
    }
}

Result<PhoneLists> ZeichensatzLadenAusDaten(Module1& state, std::string_view data,
                                            const std::string& name) {
    std::string converted;
    std::string_view text;
    if (auto refusal = checkContents(data, converted, text))
        return refused(name, refusal->line, refusal->reason);
    Parser parser(text, state.Zeichen);
    if (auto refusal = parser.run())
        return refused(name, refusal->line, refusal->reason);
    Parsed& p = parser.result();
    static_cast<PhoneData&>(state) = std::move(p.phone);
    if (!p.lists.absaetzeErlaubt)
        state.Absaetze = false;
    state.Zeichen = p.zeichen;
    return std::move(p.lists);
}

Result<PhoneLists> ZeichensatzLaden(Module1& state, const std::string& path) {
    std::string data;
    if (auto reason = readWholeFile(path, data))
        return refused(path, 0, *reason);
    return ZeichensatzLadenAusDaten(state, data, path);
}

} // namespace smssim
