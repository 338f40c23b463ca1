// Runs widget tests in a real QApplication. Without a display the offscreen platform
// is used; listing the tests (done at build time) needs no application at all.

#include "runtime_dir.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    smssim::test::ensureRuntimeDir();
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
