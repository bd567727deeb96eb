#pragma once

// Prints how long each stage of start-up took, when the program is built
// with IONVALE_STARTUP_TRACE (the trace preset). Release builds leave it out
// entirely: then these calls compile to nothing.

#ifdef IONVALE_STARTUP_TRACE
#include <chrono>
#include <cstdio>
#endif

namespace ionvale {

#ifdef IONVALE_STARTUP_TRACE
inline void traceStartup(const char* stage)
{
    using Clock = std::chrono::steady_clock;
    static const Clock::time_point start = Clock::now();  // the first stage: main() entered
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    std::fprintf(stderr, "startup %8.2f ms  %s\n", elapsed.count(), stage);
}

// Stages that happen once but inside code that runs often, such as painting.
inline void traceStartupOnce(bool& done, const char* stage)
{
    if (!done) {
        done = true;
        traceStartup(stage);
    }
}
#else
inline void traceStartup(const char*) {}
inline void traceStartupOnce(bool&, const char*) {}
#endif

} // namespace ionvale
