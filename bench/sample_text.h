#pragma once
// A message of ordinary German words, as Windows-1252 bytes, of any length.

#include <string>

inline std::string sampleText(std::size_t length) {
    const std::string words = "Hallo Anna, wir treffen uns um 8 am Bahnhof. Bring den Schirm "
                              "mit, es soll regnen! Gr\xFC\xDF"
                              "e, Ben. ";
    std::string text;
    while (text.size() < length)
        text += words;
    text.resize(length);
    return text;
}
