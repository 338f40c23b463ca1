#pragma once
// Delimited fields, as phone definitions and message files are read.
//
//  - A field ends at a comma or at a line end. Line ends are CR LF, LF or a lone CR.
//  - Spaces before a field are skipped; message files skip tabs there too.
//  - A field that begins with a double quote runs to the next double quote, which is
//    not part of the value; a line end inside the quotes belongs to the value. What
//    stands after the closing quote up to the comma or line end is dropped.
//  - Trailing spaces of an unquoted field are not part of the value, so "S " is the
//    marker S and "Absätze: Ja " still allows paragraphs.
//  - The end of input is reached right after the last line end: a file that ends
//    with a line end yields no extra empty field. A blank line yields one empty field.
//
// Fields are raw bytes (the files are Windows-1252); each carries the line it began on.

#include <cstddef>
#include <string>
#include <string_view>

namespace smssim {

struct Field {
    std::string text;
    int line = 0;        // 1-based line of the field's first character
    bool quoted = false; // began with a double quote
    bool closed = true;  // a quoted field found its closing quote
};

// The blanks skipped before a field.
enum class Blanks { Spaces, SpacesAndTabs };

class FieldReader {
  public:
    explicit FieldReader(std::string_view data, Blanks blanks = Blanks::Spaces)
        : data_(data), tabs_(blanks == Blanks::SpacesAndTabs) {}

    bool atEnd() const { return pos_ >= data_.size(); }
    // Precondition: !atEnd().
    Field next();

  private:
    void skipLineEnd();
    void skipToDelimiter();

    std::string_view data_;
    bool tabs_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

} // namespace smssim
