#include "CoreBenchmarkMain.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace giudizi::bench {

int runCoreBenchmarks(int argc, char** argv, const std::function<void()>& prepare,
                      const std::function<void()>& finish)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    prepare();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (finish)
        finish();
    return 0;
}

} // namespace giudizi::bench
