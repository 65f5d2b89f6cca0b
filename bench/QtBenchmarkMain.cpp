#include "QtBenchmarkMain.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace giudizi::bench {

int runBenchmarks(int argc, char** argv, const std::function<void()>& beforeQuit)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeQuit)
        beforeQuit();
    return 0;
}

} // namespace giudizi::bench
