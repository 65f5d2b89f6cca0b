#pragma once

#include <functional>

namespace giudizi::bench {

// Runs the registered benchmarks inside a QCoreApplication, after `prepare`
// has built what they share (outside the timings); `finish` clears it away.
int runCoreBenchmarks(int argc, char** argv, const std::function<void()>& prepare,
                      const std::function<void()>& finish = {});

} // namespace giudizi::bench
