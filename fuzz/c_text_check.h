#pragma once
// Whether generated C text can be compiled as the generators mean it, checked by reading
// it as a C lexer does: comments close where they should and hold no other comment start,
// strings end on their line with known escapes, bytes outside ASCII stay inside comments,
// no line ends in a backslash, and brackets balance.

#include <string>
#include <string_view>

namespace smssim::fuzz {

inline bool printableCode(unsigned char c) {
    return c == '\n' || c == '\t' || (c >= ' ' && c < 127);
}

inline bool validCText(std::string_view text) {
    std::string open; // the brackets not yet closed
    const auto at = [&](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && at(i + 1) == '\n')
            return false;
        if (c == '/' && at(i + 1) == '*') {
            const std::size_t end = text.find("*/", i + 2);
            if (end == std::string_view::npos ||
                text.substr(i + 2, end - i - 2).find("/*") != std::string_view::npos)
                return false;
            i = end + 1;
        } else if (c == '/' && at(i + 1) == '/') {
            const std::size_t end = text.find('\n', i);
            if (end != std::string_view::npos && text[end - 1] == '\\')
                return false;
            i = end == std::string_view::npos ? text.size() : end;
        } else if (c == '"' || c == '\'') {
            for (++i; at(i) != c; ++i) {
                if (at(i) == '\n' || at(i) == '\0' ||
                    !printableCode(static_cast<unsigned char>(at(i))))
                    return false;
                if (at(i) == '\\' && std::string_view("ntr\\\"'0123456789xabfv?").find(at(++i)) ==
                                         std::string_view::npos)
                    return false;
            }
        } else if (!printableCode(static_cast<unsigned char>(c))) {
            return false;
        } else if (c == '(' || c == '[' || c == '{') {
            open += c;
        } else if (c == ')' || c == ']' || c == '}') {
            if (open.empty() || open.back() != (c == ')' ? '(' : c == ']' ? '[' : '{'))
                return false;
            open.pop_back();
        }
    }
    return open.empty();
}

} // namespace smssim::fuzz
