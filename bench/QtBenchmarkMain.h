#pragma once

#include <functional>

namespace giudizi::bench {

// Runs the registered benchmarks inside an offscreen QApplication;
// `beforeQuit` ends what they built while the application still exists.
int runBenchmarks(int argc, char** argv, const std::function<void()>& beforeQuit = {});

} // namespace giudizi::bench
