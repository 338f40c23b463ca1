#include "phone_writer.h"

#include "sms_check.h"

namespace smssim {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The loader drops spaces around an unquoted field and ends it at a comma.
std::string headerField(std::string_view text) {
    const bool quote = text.find(',') != std::string_view::npos || text.starts_with(' ') ||
                       text.ends_with(' ') || text.empty();
    return quote ? "\"" + std::string(text) + "\"" : std::string(text);
}

void addGlyph(std::string& out, std::uint8_t code, const GlyphRows& rows) {
    out += std::to_string(code);
    out += kLineEnd;
    for (const std::string& row : rows) {
        out += ':';
        out += row;
        out += kLineEnd;
    }
}

} // namespace

bool isPrintableCp1252(std::uint8_t code) {
    switch (code) {
    case 0x81:
    case 0x8D:
    case 0x8F:
    case 0x90:
    case 0x9D:
        return false;
    default:
        return code >= 32 && code != 127;
    }
}

std::optional<std::string> headerTextProblem(std::string_view text) {
    if (text.find('"') != std::string_view::npos)
        return "ein Anführungszeichen kann nicht im Kopf einer Zeichensatzdatei stehen";
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return "ein Zeilenende kann nicht im Kopf einer Zeichensatzdatei stehen";
    return std::nullopt;
}

std::string phoneDefinition(const PhoneHeader& h, const std::map<std::uint8_t, GlyphRows>& glyphs) {
    const std::string fields[] = {headerField(h.name),
                                  std::to_string(h.lineWidth),
                                  std::to_string(h.pictureHeight),
                                  headerField(h.extension),
                                  std::to_string(h.colour),
                                  std::to_string(h.displayHeight),
                                  std::to_string(h.displayWidth),
                                  std::to_string(h.pitch),
                                  h.paragraphs ? "Abs\xE4tze: Ja" : "Abs\xE4tze: Nein",
                                  h.wordWrap ? "Zeilensprung: Ja" : "Zeilensprung: Nein"};
    std::string out;
    for (const std::string& f : fields)
        out += f + std::string(kLineEnd);
    bool sendable[256] = {};
    for (const char c : gsm7DefaultAlphabet()) {
        const auto code = static_cast<std::uint8_t>(c);
        sendable[code] = true;
        if (code == '\n' || code == '\r')
            addGlyph(out, code, {}); // line ends take no room
        else if (const auto g = glyphs.find(code); g != glyphs.end())
            addGlyph(out, code, g->second);
    }
    out += "S";
    out += kLineEnd;
    for (const auto& [code, rows] : glyphs)
        if (!sendable[code] && isPrintableCp1252(code))
            addGlyph(out, code, rows);
    return out;
}

} // namespace smssim
