#pragma once

#include <functional>

namespace giudizi::bench {

// Runs the registered benchmarks inside a QCoreApplication, after `prepare`
// has built what they share (outside the timings).
int runCoreBenchmarks(int argc, char** argv, const std::function<void()>& prepare);

} // namespace giudizi::bench
