#include "fields.h"
#include "line_ends.h"

namespace smssim {

namespace {
bool isLineEnd(char c) {
    return c == kCr || c == kLf;
}
} // namespace

void FieldReader::skipLineEnd() {
    if (crLfAt(data_, pos_))
        ++pos_;
    ++pos_;
    ++line_;
}

// Consumes the delimiter that ends a field: a comma, or a line end.
void FieldReader::skipToDelimiter() {
    while (pos_ < data_.size() && data_[pos_] != ',' && !isLineEnd(data_[pos_]))
        ++pos_;
    if (pos_ >= data_.size())
        return;
    if (data_[pos_] == ',')
        ++pos_;
    else
        skipLineEnd();
}

Field FieldReader::next() {
    Field field;
    while (pos_ < data_.size() && (data_[pos_] == ' ' || (tabs_ && data_[pos_] == '\t')))
        ++pos_;
    field.line = line_;
    if (pos_ < data_.size() && data_[pos_] == '"') {
        field.quoted = true;
        const std::size_t start = ++pos_;
        while (pos_ < data_.size() && data_[pos_] != '"') {
            if (lineEndsAt(data_, pos_))
                ++line_;
            ++pos_;
        }
        field.text.assign(data_.substr(start, pos_ - start));
        field.closed = pos_ < data_.size();
        if (field.closed)
            ++pos_;
        skipToDelimiter();
        return field;
    }
    const std::size_t start = pos_;
    while (pos_ < data_.size() && data_[pos_] != ',' && !isLineEnd(data_[pos_]))
        ++pos_;
    std::size_t end = pos_;
    while (end > start && data_[end - 1] == ' ')
        --end;
    field.text.assign(data_.substr(start, end - start));
    skipToDelimiter();
    return field;
}

} // namespace smssim
