// Parsing, comma formatting and the code-set walk against plain baselines.
// Baselines are kept out of line like the library's calls, so both sides
// pay one call per operation.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "text/CConv.h"
#include "text/CEveryValue.h"

namespace {

const char* const kLongText = "1,234,567";
const char* const kDoubleText = "-12,345.67";

// ------------------------------------------------------------- parsing

__attribute__((noinline)) size_t StripCommas(const char* text, char* out)
{
    size_t length = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p != ',')
            out[length++] = *p;
    }
    return length;
}

template <typename T>
__attribute__((noinline)) T BaselineParse(const char* text)
{
    char digits[64];
    size_t length = StripCommas(text, digits);
    T value = 0;
    std::from_chars(digits, digits + length, value);
    return value;
}

// Runs one parse per iteration and keeps its result alive.
template <typename Parse>
void RunParse(benchmark::State& state, Parse parse)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(parse());
}

void BaselineFromCharsLong(benchmark::State& state)
{
    RunParse(state, [] { return BaselineParse<long>(kLongText); });
}
BENCHMARK(BaselineFromCharsLong);

void ConvertLong(benchmark::State& state)
{
    CConv conv;
    long value = 0;
    RunParse(state, [&] { return conv.Convert(kLongText, &value) + value; });
}
BENCHMARK(ConvertLong);

void Convert2Long(benchmark::State& state)
{
    CConv conv;
    long value = 0;
    RunParse(state, [&] { return conv.Convert2(kLongText, &value) + value; });
}
BENCHMARK(Convert2Long);

void BaselineFromCharsDouble(benchmark::State& state)
{
    RunParse(state, [] { return BaselineParse<double>(kDoubleText); });
}
BENCHMARK(BaselineFromCharsDouble);

void ConvertDouble(benchmark::State& state)
{
    CConv conv;
    double value = 0;
    RunParse(state, [&] { return conv.Convert(kDoubleText, &value, 2) + value; });
}
BENCHMARK(ConvertDouble);

void Convert2Double(benchmark::State& state)
{
    CConv conv;
    double value = 0;
    RunParse(state, [&] { return conv.Convert2(kDoubleText, &value, 2) + value; });
}
BENCHMARK(Convert2Double);

// ---------------------------------------------------------- formatting

const long kValues[] = {0, 7, -42, 1234, -98765, 1234567, -2147483647, 305419896};
const size_t kValueCount = sizeof kValues / sizeof kValues[0];

__attribute__((noinline)) void SnprintfGrouped(char* out, long value)
{
    char digits[32];
    int length = std::snprintf(digits, sizeof digits, "%ld", value);
    int first = digits[0] == '-' ? 1 : 0;
    int count = length - first;
    char* p = out;
    if (first != 0)
        *p++ = '-';
    for (int i = 0; i < count; ++i) {
        if (i != 0 && (count - i) % 3 == 0)
            *p++ = ',';
        *p++ = digits[first + i];
    }
    *p = '\0';
}

void BaselineSnprintfLong(benchmark::State& state)
{
    char out[32];
    size_t i = 0;
    for (auto _ : state) {
        std::snprintf(out, sizeof out, "%ld", kValues[i++ % kValueCount]);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BaselineSnprintfLong);

void BaselineSnprintfGroupedLong(benchmark::State& state)
{
    char out[32];
    size_t i = 0;
    for (auto _ : state) {
        SnprintfGrouped(out, kValues[i++ % kValueCount]);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BaselineSnprintfGroupedLong);

void CommaStrLong(benchmark::State& state)
{
    CConv conv;
    char out[32];
    size_t i = 0;
    for (auto _ : state) {
        conv.CommaStr(out, kValues[i++ % kValueCount]);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(CommaStrLong);

void CommaStrDouble(benchmark::State& state)
{
    const double values[] = {0.0, 1234.5, -12345.67, 1234567.891, -0.00005, 99999999.99};
    CConv conv;
    char out[64];
    size_t i = 0;
    for (auto _ : state) {
        conv.CommaStr(out, values[i++ % 6], 2);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(CommaStrDouble);

void BaselineSnprintfDouble(benchmark::State& state)
{
    const double values[] = {0.0, 1234.5, -12345.67, 1234567.891, -0.00005, 99999999.99};
    char out[64];
    size_t i = 0;
    for (auto _ : state) {
        std::snprintf(out, sizeof out, "%.2f", values[i++ % 6]);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BaselineSnprintfDouble);

// ------------------------------------------------------------ code sets

// Every step-th code from 0 to 99999 as a code list.
std::string EveryNth(int step)
{
    std::string list;
    for (int code = 0; code <= 99999; code += step)
        list += (list.empty() ? "" : ",") + std::to_string(code);
    return list;
}

const int kSparse = 1000;  // 100 codes
const int kMedium = 50;    // 2000 codes
const int kDense = 4;      // 25000 codes
const int kFull = 1;       // every code ("0-99999")

class CodeSetFixture {
public:
    explicit CodeSetFixture(int step) : codes_(99999), bits_(12501, 0)
    {
        std::string list = step == kFull ? std::string("0-99999") : EveryNth(step);
        codes_.CheckCode(reinterpret_cast<unsigned char*>(&list[0]));
        for (long code = codes_.GetFirstCode(); code != -1; code = codes_.GetNextCode(code)) {
            bits_[static_cast<size_t>(code / 8)] |= static_cast<unsigned char>(1u << (code % 8));
            ++count_;
        }
    }
    CEveryValue codes_;
    std::vector<unsigned char> bits_;  // the same set, for the baseline
    long count_ = 0;
};

// One bit at a time, with the library's stop rule.
__attribute__((noinline)) long BitScanNext(const unsigned char* bits, long lastCode, long code)
{
    if (code == lastCode)
        return -1;
    for (long next = code + 1; next < 12501L * 8; ++next) {
        if ((bits[next / 8] >> (next % 8)) & 1)
            return next;
    }
    return -1;
}

void WalkLibrary(benchmark::State& state)
{
    CodeSetFixture fixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        long walked = 0;
        for (long code = fixture.codes_.GetFirstCode(); code != -1; code = fixture.codes_.GetNextCode(code))
            ++walked;
        if (walked != fixture.count_)
            state.SkipWithError("the walk lost codes");
        benchmark::DoNotOptimize(walked);
    }
    state.SetItemsProcessed(state.iterations() * fixture.count_);
}
BENCHMARK(WalkLibrary)->Arg(kSparse)->Arg(kMedium)->Arg(kDense)->Arg(kFull);

void WalkBitByBit(benchmark::State& state)
{
    CodeSetFixture fixture(static_cast<int>(state.range(0)));
    const unsigned char* bits = fixture.bits_.data();
    for (auto _ : state) {
        long walked = 0;
        for (long code = BitScanNext(bits, 99999, -1); code != -1; code = BitScanNext(bits, 99999, code))
            ++walked;
        if (walked != fixture.count_)
            state.SkipWithError("the walk lost codes");
        benchmark::DoNotOptimize(walked);
    }
    state.SetItemsProcessed(state.iterations() * fixture.count_);
}
BENCHMARK(WalkBitByBit)->Arg(kSparse)->Arg(kMedium)->Arg(kDense)->Arg(kFull);

} // namespace
