#include "c_source.h"

#include <algorithm>
#include <cstdio>

namespace smssim {

bool isCIdentifier(std::string_view name) {
    // C99's keywords, and C++'s too: the headers are also included by Arduino sketches.
    static constexpr std::string_view keywords[] = {
        "_Bool",         "_Complex",    "_Imaginary",
        "alignas",       "alignof",     "and",
        "and_eq",        "asm",         "auto",
        "bitand",        "bitor",       "bool",
        "break",         "case",        "catch",
        "char",          "class",       "compl",
        "const",         "const_cast",  "constexpr",
        "continue",      "decltype",    "default",
        "delete",        "do",          "double",
        "dynamic_cast",  "else",        "enum",
        "explicit",      "export",      "extern",
        "false",         "float",       "for",
        "friend",        "goto",        "if",
        "inline",        "int",         "long",
        "mutable",       "namespace",   "new",
        "noexcept",      "not",         "not_eq",
        "nullptr",       "operator",    "or",
        "or_eq",         "private",     "protected",
        "public",        "register",    "reinterpret_cast",
        "restrict",      "return",      "short",
        "signed",        "sizeof",      "static",
        "static_assert", "static_cast", "struct",
        "switch",        "template",    "this",
        "thread_local",  "throw",       "true",
        "try",           "typedef",     "typeid",
        "typename",      "union",       "unsigned",
        "using",         "virtual",     "void",
        "volatile",      "wchar_t",     "while",
        "xor",           "xor_eq"};
    const auto letter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    return !name.empty() && letter(name.front()) &&
           std::find(std::begin(keywords), std::end(keywords), name) == std::end(keywords) &&
           std::all_of(name.begin(), name.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

std::optional<std::string> cNameProblem(std::string_view name) {
    if (isCIdentifier(name))
        return std::nullopt;
    return "Der Name „" + std::string(name) +
           "“ ist kein C-Name: Buchstaben, Ziffern und _, nicht mit einer Ziffer am Anfang";
}

std::string upperCase(std::string_view name) {
    std::string out(name);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; });
    return out;
}

std::string hexByte(std::uint8_t byte) {
    char text[5];
    std::snprintf(text, sizeof text, "0x%02x", byte);
    return text;
}

std::string byteList(const std::vector<std::uint8_t>& bytes, std::string_view indent) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out += i % 12 == 0 ? std::string(i ? ",\n" : "") + std::string(indent) : ", ";
        out += hexByte(bytes[i]);
    }
    return out;
}

std::string commentText(std::string_view utf8Text) {
    std::string out;
    for (const char c : utf8Text)
        if (static_cast<unsigned char>(c) >= 0x80 || (c >= ' ' && c != 127))
            out += (out.ends_with('*') && c == '/') || (out.ends_with('/') && c == '*')
                       ? std::string(" ") + c
                       : std::string(1, c);
    return out;
}

} // namespace smssim
