#include "text_codec.h"

#include "cp1252.h"

#include <QList>

namespace smssim {

QString fromCp1252(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char b : bytes)
        out += QChar(static_cast<char16_t>(cp1252ToUnicode(static_cast<std::uint8_t>(b))));
    return out;
}

std::string toCp1252(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t c : text.toUcs4()) {
        const auto code = unicodeToCp1252(c);
        out += code ? static_cast<char>(*code) : '?';
    }
    return out;
}

} // namespace smssim
