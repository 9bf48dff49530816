// A small timing harness for benchmarks that must run as Windows programs
// (under Wine here), where Google Benchmark is not available. Each
// measurement runs the work in batches long enough for the performance
// counter, and reports the median time of one run over the batches, so a
// stray slow batch (another process, a page fault) does not decide it.
//
//   WinBenchResult ours = WinBenchRun([&] { ... });
//   WinBenchResult system = WinBenchRun([&] { ... });
//   WinBenchPrint("CopyFileA", ours, system);
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

struct WinBenchResult {
    double median;      // seconds per run, median over the batches
    double fastest;     // seconds per run, fastest batch
    long long runs;     // runs per batch
    int batches;
};

inline double WinBenchNow()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Runs work() once to warm up, then finds the number of runs that fills
// minBatchSeconds, then times `batches` batches of that many runs.
template <typename Work>
WinBenchResult WinBenchRun(Work&& work, int batches = 11, double minBatchSeconds = 0.05)
{
    work();
    long long runs = 1;
    for (;;) {
        double start = WinBenchNow();
        for (long long i = 0; i < runs; ++i)
            work();
        double elapsed = WinBenchNow() - start;
        if (elapsed >= minBatchSeconds || runs >= (1LL << 40))
            break;
        runs *= elapsed > 0 ? std::max(2LL, static_cast<long long>(minBatchSeconds / elapsed) + 1) : 10;
    }
    std::vector<double> perRun;
    for (int batch = 0; batch < batches; ++batch) {
        double start = WinBenchNow();
        for (long long i = 0; i < runs; ++i)
            work();
        perRun.push_back((WinBenchNow() - start) / static_cast<double>(runs));
    }
    std::sort(perRun.begin(), perRun.end());
    return {perRun[perRun.size() / 2], perRun.front(), runs, batches};
}

inline void WinBenchPrint(const char* name, const WinBenchResult& result)
{
    std::printf("%-48s %12.3f us  (fastest %.3f us; %lld runs x %d batches)\n", name, result.median * 1e6,
                result.fastest * 1e6, result.runs, result.batches);
}

// Prints both results and ours/baseline as a time ratio (below 1: ours is faster).
inline void WinBenchPrint(const char* name, const WinBenchResult& ours, const WinBenchResult& baseline)
{
    std::printf("%s\n", name);
    WinBenchPrint("  ours", ours);
    WinBenchPrint("  baseline", baseline);
    std::printf("  time ratio ours/baseline: %.3f\n", ours.median / baseline.median);
}
