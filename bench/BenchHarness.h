// SPDX-License-Identifier: MIT
#pragma once
// A plain timing harness for the benchmark programs: the median of several
// runs over fixed inputs, printed as one line per figure.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace Bench {

// True when the program was started with --quick: one short run of each
// measurement, so CTest can check that the benchmark still works.
inline bool Quick(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--quick") == 0)
            return true;
    return false;
}

// The median wall time of `runs` calls of `work`, in milliseconds.
inline double MedianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < std::max(1, runs); ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The processor time this thread has used, in milliseconds: on a shared
// machine wall time measures the neighbours too.
inline double ThreadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6;
}

// One figure: "<name>: <value> <unit>".
inline void Report(const std::string& name, double value, const char* unit)
{
    std::printf("%-48s %12.3f %s\n", (name + ":").c_str(), value, unit);
    std::fflush(stdout);
}

}  // namespace Bench
