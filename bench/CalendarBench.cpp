// Typed-date parsing and the display styles, in ns per call.
#include <benchmark/benchmark.h>

#include "calendar/CYmd.h"

namespace {

void ParseTyped(benchmark::State& state, const char* text)
{
    CYmd ymd;
    for (auto _ : state) {
        long value = 0;
        benchmark::DoNotOptimize(ymd.ConvSeireki(&value, text));
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK_CAPTURE(ParseTyped, era_letter, "H5/3/15");
BENCHMARK_CAPTURE(ParseTyped, gregorian, "2024/3/15");
BENCHMARK_CAPTURE(ParseTyped, two_digit_year, "70/3/15");
BENCHMARK_CAPTURE(ParseTyped, month_day, "3/15");
BENCHMARK_CAPTURE(ParseTyped, rejected, "2024/13/45");

void FormatEra(benchmark::State& state)
{
    CYmd ymd;
    short type = static_cast<short>(state.range(0));
    char out[32];
    for (auto _ : state) {
        benchmark::DoNotOptimize(ymd.ConvWareki(out, 19930315L, type));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FormatEra)->DenseRange(0, 3);

void FormatGregorian(benchmark::State& state)
{
    CYmd ymd;
    short type = static_cast<short>(state.range(0));
    char out[32];
    for (auto _ : state) {
        benchmark::DoNotOptimize(ymd.ConvSeireki(out, 20240315L, type));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(FormatGregorian)->DenseRange(0, 3);

void FormatEraCString(benchmark::State& state)
{
    CYmd ymd;
    CString out;
    for (auto _ : state)
        benchmark::DoNotOptimize(ymd.ConvWareki(out, 19930315L, 3));
}
BENCHMARK(FormatEraCString);

} // namespace
