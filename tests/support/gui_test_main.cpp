// Runs widget tests in a real QApplication. Without a display the offscreen platform
// is used; listing the tests (done at build time) needs no application at all.

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char** argv) {
    // Qt wants a private runtime folder (mode 0700); without a session there is none.
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const std::string dir = "/tmp/smssim-runtime-" + std::to_string(::getuid());
        ::mkdir(dir.c_str(), 0700);
        ::chmod(dir.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    }
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
            return RUN_ALL_TESTS();
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
