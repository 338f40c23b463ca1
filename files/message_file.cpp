#include "message_file.h"

#include "cp1252.h"
#include "error_reason.h"
#include "fields.h"
#include "numbers.h"
#include "read_file.h"

namespace smssim {

std::string messageFileBytes(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 5);
    // Reversed: the file holds the message last character first.
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        out += std::to_string(static_cast<unsigned char>(*it));
        out += "\r\n";
    }
    return out;
}

namespace {

std::string shownField(std::string_view cp1252) {
    return quotedForDisplay(cp1252);
}

// A number can be as long as the file: cut it as shownField does.
std::string shownNumber(std::string_view number) {
    if (number.size() <= kShownFieldLength)
        return std::string(number);
    return std::string(number.substr(0, kShownFieldLength)) + "…";
}

// Names the file, the line (0: the file as a whole) and the reason.
std::unexpected<Problem> readError(const std::string& name, int line, const std::string& reason) {
    return fileProblem("Die Datei", name, "gelesen", reason, line);
}

} // namespace

std::unexpected<Problem> unreadableFile(const std::string& path, int error) {
    return readError(path, 0, germanErrorReason(error, FileAccess::Lesen));
}

Result<std::string> NachrichtLesenAusDaten(std::string_view data, const std::string& name) {
    if (data.size() > kMaxMessageFileSize)
        return readError(name, 0,
                         "Die Datei ist größer als 8 MB (" + std::to_string(kMaxMessageFileSize) +
                             " Bytes); so lang ist keine Nachricht");
    if (data.starts_with("\xEF\xBB\xBF"))
        data.remove_prefix(3);
    std::string text;
    FieldReader reader(data, Blanks::SpacesAndTabs);
    while (!reader.atEnd()) {
        const Field field = reader.next();
        if (field.quoted && !field.closed)
            return readError(name, field.line, "Das Anführungszeichen wird nicht geschlossen");
        if (field.text.empty())
            continue;
        const auto number = parseNumber(field.text);
        if (!number)
            return readError(name, field.line, shownField(field.text) + " ist kein Zeichencode");
        const auto code = toLong(*number);
        if (!code || *code < 0 || *code > 255)
            return readError(name, field.line,
                             shownNumber(field.text) + " liegt nicht zwischen 0 und 255");
        text.push_back(static_cast<char>(static_cast<unsigned char>(*code)));
    }
    // Reversed: the file holds the message last character first.
    return std::string(text.rbegin(), text.rend());
}

Result<std::string> NachrichtLesen(const std::string& path) {
    std::string data;
    if (const auto error = readRegularFile(path, kMaxMessageFileSize, data))
        return unreadableFile(path, *error);
    return NachrichtLesenAusDaten(data, path);
}

Result<> NachrichtSchreiben(const std::string& path, std::string_view text,
                            FileSystemCalls& calls) {
    return writeWholeFile(path, messageFileBytes(text), calls, "gespeichert");
}

} // namespace smssim
