// Writes the program's icon as a PNG of the given size, for the installed hicolor theme.
// Runs at build time; it draws with the window icon's own code, so both stay alike.

#include "app_icon.h"

#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    char* end = nullptr;
    const long size = std::strtol(argv[1], &end, 10);
    if (*end != '\0' || size < 1 || size > 1024) {
        std::fprintf(stderr, "%s: size must be 1..1024 pixels, not '%s'\n", argv[0], argv[1]);
        return 2;
    }
    if (!smssim::appIconImage(static_cast<int>(size))
             .save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
