#pragma once
// Between Qt's text and the program's messages, which are Windows-1252 bytes.

#include <QString>
#include <string>
#include <string_view>

namespace smssim {

QString fromCp1252(std::string_view bytes);
// A character that Windows-1252 cannot hold becomes "?".
std::string toCp1252(const QString& text);

} // namespace smssim
