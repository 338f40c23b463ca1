// main() of the benchmarks that drive the real window: a QApplication on the offscreen
// platform unless a display is chosen, with the window's font substitutions.

#include "fonts.h"
#include "runtime_dir.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    smssim::test::ensureRuntimeDir();
    QApplication app(argc, argv);
    smssim::installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
