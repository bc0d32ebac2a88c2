// The benchmark program: Google Benchmark's own output, or with --table the lines of the table
// that `scripts/bench` prints. Windows are drawn offscreen.
#include "bench/benchmarks.h"
#include "bench/goals.h"
#include "bench/report.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstring>

int main(int argc, char* argv[]) {
    bool table = false;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--table") == 0)
            table = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    bench::registerWindowBenchmarks();
    bench::registerHandBenchmarks();
    if (!table) {
        benchmark::RunSpecifiedBenchmarks();
        return 0;
    }
    bench::TableReporter reporter;
    bench::printHeader();
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}
