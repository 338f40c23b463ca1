#pragma once
// Line ends in Windows-1252 text: a paragraph break of the message is CR LF, and the files
// end their lines with CR LF, a lone CR or a lone LF.

#include <cstddef>
#include <string_view>

namespace smssim {

inline constexpr char kCr = '\r';
inline constexpr char kLf = '\n';

// Whether a CR LF pair starts at `i`; a CR at the very end is none.
inline bool crLfAt(std::string_view text, std::size_t i) {
    return i + 1 < text.size() && text[i] == kCr && text[i + 1] == kLf;
}

// Whether a line ends at `i`: a LF, or a CR that no LF follows (the LF of a CR LF ends it).
inline bool lineEndsAt(std::string_view text, std::size_t i) {
    return text[i] == kLf || (text[i] == kCr && !crLfAt(text, i));
}

} // namespace smssim
